// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the keyboard works in the window: the tab cycle, the focus drawn, and the grid's cells
// that take no input.

#include "driver.h"

namespace {

QString focusName()
{
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

} // namespace

class FocusTest : public QObject
{
    Q_OBJECT

private slots:
    void focusAndTabCycle()
    {
        Driver d;
        QVERIFY(d.activate());
        QCOMPARE(focusName(), QStringLiteral("Text1_0"));
        const QStringList cycle { "Picture1", "List1_0", "List1_1", "Command1_0", "Command1_1" };
        for (int chosen = 0; chosen < 2; ++chosen) {
            if (chosen == 1)
                d.clickOption(1);
            d.report()->setFocus();
            QStringList seen, back;
            for (int k = 0; k < 7; ++k) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                seen << focusName();
            }
            for (int k = 0; k < 7; ++k) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
                back.prepend(focusName());
            }
            const QString option = QStringLiteral("Option1_%1").arg(chosen);
            QCOMPARE(seen, cycle + QStringList({ option, "Text1_0" }));
            QCOMPARE(back, QStringList("Text1_0") + cycle + QStringList(option));
        }
    }

    // A keyboard user sees where the focus is: each control looks different with it.
    void focusShows()
    {
        Driver d;
        QVERIFY(d.activate());
        for (const char* name : { "Text1_0", "Picture1", "List1_0", "List1_1", "Command1_0",
                 "Command1_1", "Option1_0" }) {
            QWidget* w = widget(d, QLatin1String(name));
            widget(d, name == QLatin1String("Text1_0") ? "Picture1" : "Text1_0")->setFocus();
            const QImage without = w->grab().toImage();
            w->setFocus();
            QVERIFY(w->hasFocus());
            const QImage with = w->grab().toImage();
            int changed = 0;
            for (int y = 0; y < with.height(); ++y)
                for (int x = 0; x < with.width(); ++x)
                    changed += with.pixel(x, y) != without.pixel(x, y);
            // A list's focus is plain to see: a frame around its inside, not a faint dotted line.
            const bool list = qstrncmp(name, "List1", 5) == 0;
            QVERIFY2(changed >= (list ? (with.width() + with.height()) * 2 : 1),
                qPrintable(QStringLiteral("%1: %2 pixels change").arg(name).arg(changed)));
        }
    }

    void cellTakesNoInput()
    {
        Driver d;
        d.report()->setFocus();
        auto* cell = d.control<QCheckBox>("Check1", 0);
        QTest::mouseClick(cell, Qt::LeftButton, {}, QPoint(6, 11));
        QVERIFY(!cell->isChecked());
        QCOMPARE(focusName(), QStringLiteral("Text1_0"));
    }
};

QTEST_MAIN(FocusTest)
#include "test_focus.moc"
