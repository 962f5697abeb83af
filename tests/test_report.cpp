// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The report that "Изчисли" writes, byte for byte, and the error path, through the real window.

#include "driver.h"
#include "expected.h"

#include <QApplication>
#include <QClipboard>

class ReportTest : public QObject
{
    Q_OBJECT

private slots:
    void report_data() { addEveryPair(); }

    void report()
    {
        QFETCH(bool, homozygous);
        QFETCH(int, father);
        QFETCH(int, mother);
        Driver d;
        d.choosePair(homozygous, father, mother);
        d.clickCommand(0);
        const QByteArray want
            = QByteArray::fromStdString(expected::report(homozygous, father, mother));
        QCOMPARE(d.reportBytes(), want);
        QCOMPARE(d.reportBytes().count("\r\n"), 4);

        // A second click rewrites the same text rather than adding to it.
        d.clickCommand(0);
        QCOMPARE(d.reportBytes(), want);
        QVERIFY(d.errors.isEmpty());
    }

    // The example as a teacher would check it on screen: four lines, each shown as a line.
    void workedExampleShown()
    {
        Driver d;
        d.choose(0, 1);
        d.choose(1, 2);
        d.clickCommand(0);
        const QStringList shown = d.report()->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(shown.size(), 5);
        QCOMPARE(shown[3], QStringLiteral("A = 18.75%;   B = 18.75%;  AB = 56.25%;  0 = 6.25%"));
        QCOMPARE(shown[4], QString());
    }

    void laterChoiceKeepsReport()
    {
        Driver d;
        d.choose(0, 3);
        d.clickCommand(0);
        const QByteArray before = d.reportBytes();
        d.choose(0, 1);
        d.choose(1, 2);
        QCOMPARE(d.reportBytes(), before);
    }

    // Typing changes nothing; the text can still be selected and copied.
    void lockedButCopyable()
    {
        Driver d;
        d.clickCommand(0);
        const QByteArray before = d.reportBytes();
        d.report()->setFocus();
        QTest::keyClicks(d.report(), "xyz");
        QTest::keyClick(d.report(), Qt::Key_Backspace);
        QTest::keyClick(d.report(), Qt::Key_Delete);
        QTest::keyClick(d.report(), Qt::Key_Return);
        QCOMPARE(d.reportBytes(), before);
        QCOMPARE(d.report()->toPlainText(), QString::fromUtf8(before).replace("\r\n", "\n"));

        QTest::keyClick(d.report(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(d.report(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), d.report()->toPlainText());
    }

    // A list without a selection stops the report after its caveat; the window keeps working.
    void errorKeepsWindow()
    {
        Driver d;
        d.clickOption(1);
        d.list(1)->setCurrentRow(-1);
        d.clickCommand(0);
        QCOMPARE(d.reportBytes(), QByteArray::fromStdString(expected::caveat(false)));
        // What the box shows, not only what it holds.
        QCOMPARE(d.report()->toPlainText(),
            QString::fromStdString(expected::caveat(false)).replace("\r\n", "\n"));
        QCOMPARE(d.errors.size(), 1);
        QVERIFY2(d.errors[0].contains(QString::fromUtf8("„Изчисли“")), qPrintable(d.errors[0]));
        QVERIFY2(d.errors[0].contains(QLatin1String("-1")), qPrintable(d.errors[0]));

        d.clickCommand(1);
        QCOMPARE(d.reportBytes(), QByteArray());
        QCOMPARE(d.report()->toPlainText(), QString());
        d.choose(0, 1);
        d.clickCommand(0);
        QCOMPARE(d.reportBytes(), QByteArray::fromStdString(expected::report(false, 1, 0)));
        QCOMPARE(d.errors.size(), 1);
    }
};

QTEST_MAIN(ReportTest)
#include "test_report.moc"
