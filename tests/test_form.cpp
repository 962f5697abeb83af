// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up, the parents' alleles, the Punnett grid and the resets, through the real window.

#include "driver.h"
#include "grid.h"

#include <QCryptographicHash>

namespace {

const QStringList groupNames { "0", "A", "B", "AB" };

void verifyStartState(const Driver& d)
{
    for (int p = 0; p < 2; ++p) {
        QStringList items;
        for (int k = 0; k < d.list(p)->count(); ++k)
            items << d.list(p)->item(k)->text();
        QCOMPARE(items, groupNames);
        QCOMPARE(d.list(p)->currentRow(), 0);
        QCOMPARE(d.list(p)->selectedItems().size(), 1);
    }
    QCOMPARE(d.alleles(), QStringList({ "0", "0", "0", "0" }));
    QCOMPARE(d.cells(), QStringList({ "00", "00", "00", "00" }));
}

} // namespace

class FormTest : public QObject
{
    Q_OBJECT

private slots:
    void startUp()
    {
        Driver d;
        verifyStartState(d);
        QVERIFY(d.option(0)->isChecked());
        QVERIFY(!d.option(1)->isChecked());

        // The explanatory text: twelve lines ended by CR LF, byte for byte as laid out (its
        // SHA-256 is taken from the layout's text, whose Latin and Cyrillic letters look alike).
        const QByteArray intro = d.reportBytes();
        QCOMPARE(intro.count("\r\n"), 12);
        QCOMPARE(intro.count('\n'), 12);
        QVERIFY(intro.endsWith("\r\n"));
        QCOMPARE(intro.split('\n').at(6), QByteArray("\r"));
        QCOMPARE(QCryptographicHash::hash(intro, QCryptographicHash::Sha256).toHex(),
            QByteArray("8d11f42073e927ef4db86e422b7f0e1cb08e63e153f10f5ca90d9f55f0084fd7"));
        QVERIFY(d.report()->toPlainText().startsWith(QString::fromUtf8("Велимак, в началото")));
    }

    void choice_data() { addEveryPair(); }

    void choice()
    {
        QFETCH(bool, homozygous);
        QFETCH(int, father);
        QFETCH(int, mother);
        Driver d;
        d.choosePair(homozygous, father, mother);

        const QStringList expected = allelesOf(father, homozygous) + allelesOf(mother, homozygous);
        QCOMPARE(d.alleles(), expected);
        QCOMPARE(d.cells(), cellsOf(expected));

        // Choosing again what is chosen changes nothing.
        d.choose(1, mother);
        QCOMPARE(d.alleles(), expected);
    }

    // One parent's new choice keeps the other parent's alleles.
    void otherParentKept()
    {
        Driver d;
        d.choose(0, 1);
        d.choose(1, 2);
        d.choose(1, 0);
        QCOMPARE(d.alleles(), QStringList({ "A", "A", "0", "0" }));
        QCOMPARE(d.cells(), QStringList({ "A0", "A0", "A0", "A0" }));
    }

    void reset_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("homozygousAfter");
        QTest::newRow("clear button") << "clear" << true;
        QTest::newRow("clear button twice") << "clear2" << true;
        QTest::newRow("selected option clicked again") << "option0" << true;
        QTest::newRow("other option clicked") << "option1" << false;
        QTest::newRow("other option chosen by arrow key") << "arrow" << false;
    }

    void reset()
    {
        QFETCH(QString, action);
        QFETCH(bool, homozygousAfter);
        Driver d;
        d.choose(0, 1);
        d.choose(1, 3);
        d.clickCommand(0);
        QVERIFY(!d.reportBytes().isEmpty());

        if (action == "clear") {
            d.clickCommand(1);
        } else if (action == "clear2") {
            d.clickCommand(1);
            d.clickCommand(1);
        } else if (action == "option0") {
            d.clickOption(0);
        } else if (action == "option1") {
            d.clickOption(1);
        } else {
            d.option(0)->setFocus();
            QTest::keyClick(d.option(0), Qt::Key_Down);
        }
        verifyStartState(d);
        QCOMPARE(d.reportBytes(), QByteArray());
        QCOMPARE(d.option(0)->isChecked(), homozygousAfter);
        QCOMPARE(d.option(1)->isChecked(), !homozygousAfter);

        // A later choice shows the alleles under the option now in force.
        d.choose(0, 1);
        QCOMPARE(d.alleles().mid(0, 2), allelesOf(1, homozygousAfter));
    }

    // A list that has lost its selection yields no group: no allele changes, the grid is rebuilt.
    void noSelection()
    {
        Driver d;
        d.choose(0, 2);
        d.choose(1, 1);
        d.list(0)->setCurrentRow(-1);
        QCOMPARE(d.alleles(), QStringList({ "B", "B", "A", "A" }));
        QCOMPARE(d.cells(), QStringList({ "AB", "AB", "AB", "AB" }));
        QVERIFY(d.errors.isEmpty());
    }

    // A user cannot leave a list without a selection.
    void deselectRefused()
    {
        Driver d;
        d.choose(0, 1);
        QListWidget* l = d.list(0);
        const QRect item = l->visualItemRect(l->currentItem());
        const auto verifyStillChosen = [&](const char* step) {
            QVERIFY2(l->selectedItems().size() == 1, step);
            QVERIFY2(l->selectedItems().constFirst() == l->item(1), step);
            QCOMPARE(d.alleles(), QStringList({ "A", "A", "0", "0" }));
        };
        QTest::mouseClick(l->viewport(), Qt::LeftButton, Qt::ControlModifier, item.center());
        verifyStillChosen("after Ctrl+click");
        QTest::keyClick(l, Qt::Key_Space, Qt::ControlModifier);
        verifyStillChosen("after Ctrl+Space");
    }
};

QTEST_MAIN(FormTest)
#include "test_form.moc"
