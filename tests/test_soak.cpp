// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Seeded random use of the real window: clicks anywhere and keys to whatever has the focus, with
// the form's invariants checked after every action. MORVELA_SOAK_SEED replays a run and
// MORVELA_SOAK_STEPS makes it longer.

#include "driver.h"
#include "expected.h"
#include "grid.h"

#include <QRandomGenerator>

namespace {

const QStringList groups { "0", "A", "B", "AB" };

quint32 setting(const char* name, quint32 fallback)
{
    bool ok = false;
    const quint32 value = qEnvironmentVariable(name).toUInt(&ok);
    return ok ? value : fallback;
}

// What the form must show, or a description of the first thing it does not.
QString violation(const Driver& d, const QByteArray& intro, const QByteArray& reportAtCalculate)
{
    int chosen[2];
    for (int p = 0; p < 2; ++p) {
        QListWidget* list = d.list(p);
        QStringList items;
        for (int k = 0; k < list->count(); ++k)
            items << list->item(k)->text();
        if (items != groups)
            return QStringLiteral("list %1 holds %2").arg(p).arg(items.join(','));
        if (list->selectedItems().size() != 1 || !list->currentItem()->isSelected())
            return QStringLiteral("list %1 has %2 selected")
                .arg(p)
                .arg(list->selectedItems().size());
        chosen[p] = list->currentRow();
    }
    if (d.option(0)->isChecked() == d.option(1)->isChecked())
        return QStringLiteral("not exactly one option chosen");
    const bool homozygous = d.option(0)->isChecked();
    const QStringList alleles = allelesOf(chosen[0], homozygous) + allelesOf(chosen[1], homozygous);
    if (d.alleles() != alleles)
        return QStringLiteral("alleles %1, not %2").arg(d.alleles().join(','), alleles.join(','));
    if (d.cells() != cellsOf(alleles))
        return QStringLiteral("cells %1").arg(d.cells().join(','));
    const QByteArray report = d.reportBytes();
    if (report != intro && !report.isEmpty() && report != reportAtCalculate)
        return QStringLiteral("report reads %1").arg(QString::fromUtf8(report.left(200)));
    if (!d.errors.isEmpty())
        return QStringLiteral("error shown: %1").arg(d.errors.first());
    return {};
}

} // namespace

class SoakTest : public QObject
{
    Q_OBJECT

private slots:
    void randomUse()
    {
        const quint32 seed = setting("MORVELA_SOAK_SEED", QRandomGenerator::global()->generate());
        const quint32 steps = setting("MORVELA_SOAK_STEPS", 2000);
        qInfo("soak: seed %u, %u steps (MORVELA_SOAK_SEED=%u replays it)", seed, steps, seed);
        QRandomGenerator random(seed);

        Driver d;
        QVERIFY(d.activate());
        const QByteArray intro = d.reportBytes();
        QByteArray reportAtCalculate, previousReport = intro;
        const Qt::Key keys[] = { Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Up, Qt::Key_Down,
            Qt::Key_Left, Qt::Key_Right, Qt::Key_Home, Qt::Key_End, Qt::Key_Space, Qt::Key_Return,
            Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_A,
            Qt::Key_B, Qt::Key_0 };

        for (quint32 step = 1; step <= steps; ++step) {
            QString action;
            QWidget* focus
                = QApplication::focusWidget() ? QApplication::focusWidget() : d.window.get();
            switch (random.bounded(4)) {
            case 0:
            case 1: {
                const QPoint at(random.bounded(461), random.bounded(398));
                QWidget* target = d.window->childAt(at);
                target = target ? target : d.window.get();
                const bool twice = random.bounded(8) == 0;
                action = QStringLiteral("%1 at %2,%3 on %4")
                             .arg(twice ? "double-click" : "click")
                             .arg(at.x())
                             .arg(at.y())
                             .arg(target->objectName());
                const QPoint local = target->mapFrom(d.window.get(), at);
                if (twice)
                    QTest::mouseDClick(target, Qt::LeftButton, {}, local);
                else
                    QTest::mouseClick(target, Qt::LeftButton, {}, local);
                break;
            }
            case 2: {
                const Qt::Key key = keys[random.bounded(int(std::size(keys)))];
                const Qt::KeyboardModifiers mods
                    = random.bounded(6) == 0 ? Qt::ControlModifier : Qt::NoModifier;
                action = QStringLiteral("key %1%2 to %3")
                             .arg(mods ? "Ctrl+" : "")
                             .arg(QKeySequence(key).toString())
                             .arg(focus->objectName());
                QTest::keyClick(focus, key, mods);
                break;
            }
            default:
                action = QStringLiteral("typing into the report");
                QTest::keyClicks(d.report(), QStringLiteral("ab0 "));
                QTest::sendKeyEvent(
                    QTest::Click, d.report(), Qt::Key_unknown, QStringLiteral("\u0430"), {});
                break;
            }
            QCoreApplication::processEvents();

            // A report that has just changed was written by a calculation for the pair and option
            // now standing; later choices leave it as it is.
            const QByteArray report = d.reportBytes();
            if (report != previousReport && report != intro && !report.isEmpty())
                reportAtCalculate = QByteArray::fromStdString(expected::report(
                    d.option(0)->isChecked(), d.list(0)->currentRow(), d.list(1)->currentRow()));
            previousReport = report;
            const QString wrong = violation(d, intro, reportAtCalculate);
            if (!wrong.isEmpty())
                QFAIL(qPrintable(QStringLiteral("step %1 (%2), seed %3: %4")
                                     .arg(step)
                                     .arg(action)
                                     .arg(seed)
                                     .arg(wrong)));
        }
    }
};

QTEST_MAIN(SoakTest)
#include "test_soak.moc"
