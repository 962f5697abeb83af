// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader is told of the window, through Qt's accessibility interfaces.

#include "driver.h"
#include "tabletext.h"

#include <QAccessible>
#include <QAccessibleInterface>

namespace {

QAccessibleInterface* accessible(const Driver& d, const QString& name)
{
    return QAccessible::queryAccessibleInterface(d.window->findChild<QWidget*>(name));
}

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
QHash<QString, QString> customAttributes(QAccessibleInterface* a)
{
    QAccessibleAttributesInterface* attributes = a->attributesInterface();
    return attributes ? attributes->attributeValue(QAccessible::Attribute::Custom)
                            .value<QHash<QString, QString>>()
                      : QHash<QString, QString>();
}
#endif

} // namespace

class AccessibilityTest : public QObject
{
    Q_OBJECT

private slots:
    // Every control that takes focus, in tab order, has a Bulgarian name.
    void focusableNames_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::newRow("report") << "Text1_0"
                                << "Пояснения и резултат";
        QTest::newRow("picture") << "Picture1"
                                 << "Таблица: кръвни групи на децата според родителите";
        QTest::newRow("father") << "List1_0"
                                << "Баща кръвна група";
        QTest::newRow("mother") << "List1_1"
                                << "Майка кръвна група";
        QTest::newRow("calculate") << "Command1_0"
                                   << "Изчисли";
        QTest::newRow("clear") << "Command1_1"
                               << "Изчисти";
        QTest::newRow("homozygous") << "Option1_0"
                                    << "Хомозиготни";
        QTest::newRow("heterozygous") << "Option1_1"
                                      << "Хетерозиготни";
    }
    void focusableNames()
    {
        QFETCH(QString, control);
        QFETCH(QString, name);
        Driver d;
        QAccessibleInterface* a = accessible(d, control);
        QVERIFY(a);
        QCOMPARE(a->text(QAccessible::Name), name);
        QVERIFY(a->state().focusable);
    }

    // Each list holds all four groups for a reader, the chosen one selected and in sight, whichever
    // it is; a reader that chooses one chooses it as the pupil would.
    void listGroups()
    {
        Driver d;
        d.choose(0, 3);
        for (int parent = 0; parent < 2; ++parent) {
            QAccessibleInterface* list = accessible(d, QStringLiteral("List1_%1").arg(parent));
            const int chosen = parent == 0 ? 3 : 0;
            QStringList names;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
            int offscreen = 0;
#endif
            for (int i = 0; i < list->childCount(); ++i) {
                QAccessibleInterface* item = list->child(i);
                names << item->text(QAccessible::Name);
                QCOMPARE(list->indexOfChild(item), i);
                QCOMPARE(item->state().selected, i == chosen);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
                // Scrolled out of sight is off screen, not gone.
                QVERIFY(!item->state().invisible);
                QCOMPARE(item->state().offscreen && i == chosen, false);
                offscreen += item->state().offscreen;
                QCOMPARE(customAttributes(item),
                    (QHash<QString, QString> {
                        { "posinset", QString::number(i + 1) }, { "setsize", "4" } }));
#endif
            }
            QCOMPARE(names, QStringList({ "0", "A", "B", "AB" }));
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
            QVERIFY(offscreen >= 2);
            QCOMPARE(customAttributes(list).value("setsize"), "4");
            QVERIFY(list->selectionInterface()->select(list->child(2)));
            QCOMPARE(d.alleles().mid(2 * parent, 2), QStringList({ "B", "B" }));
            QVERIFY(!list->selectionInterface()->clear());
            QCOMPARE(list->selectionInterface()->selectedItemCount(), 1);
#endif
        }
    }

    // What is said after each action, without moving the focus, through a notification.
    void announcements_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("said");
        QTest::newRow("heterozygous A for the father")
            << "choose"
            << "Баща, група A: алели A и 0. Решетка на Пънет: A0, 00, A0, 00.";
        QTest::newRow("report") << "calculate"
                                << "При кръвна група родители: A и 0 вероятност:  A = 75.00%;   "
                                   "0 = 25.00%;  B = AB = 0%";
        QTest::newRow("clear") << "clear"
                               << "Хетерозиготни. Формата е изчистена: двамата родители са с група "
                                  "0, алелите са 0 и 0, отчетът е празен.";
    }
    void announcements()
    {
        QFETCH(QString, action);
        QFETCH(QString, said);
        Driver d;
        d.clickOption(1);
        d.choose(0, 1);
        QPushButton* button = d.command(action == "clear" ? 1 : 0);
        button->setFocus();
        if (action != "choose")
            QTest::keyClick(button, Qt::Key_Space);
        QAccessibleInterface* announcer = accessible(d, "Announcer");
        QCOMPARE(announcer->role(), QAccessible::Notification);
        QCOMPARE(announcer->text(QAccessible::Name), said);
        QCOMPARE(accessible(d, "Picture1")->role(), QAccessible::Graphic);
        // The focus stays where the pupil put it.
        QCOMPARE(QApplication::focusWidget(), button);
    }

    // Alleles and genotypes are heard as shown, and told where they stand: the grid is a named
    // table whose cells, not check boxes, stand under the father's alleles and beside the mother's.
    void gridSpoken()
    {
        Driver d;
        d.choose(0, 3);
        d.choose(1, 2);
        QAccessibleInterface* grid = accessible(d, "Frame1");
        QCOMPARE(grid->role(), QAccessible::Table);
        QCOMPARE(grid->text(QAccessible::Name), QString::fromUtf8("Решетка на Пънет"));
        QAccessibleTableInterface* table = grid->tableInterface();
        QVERIFY(table);
        QCOMPARE(QPair(table->rowCount(), table->columnCount()), QPair(2, 2));
        QCOMPARE(table->caption(), accessible(d, "Label1_3"));
        const QStringList alleles { "A", "B", "B", "B" };
        const QStringList cells { "AB", "BB", "AB", "BB" };
        const QStringList places { "ред 1 (първи алел на майката), колона 1 (първи алел на бащата)",
            "ред 1 (първи алел на майката), колона 2 (втори алел на бащата)",
            "ред 2 (втори алел на майката), колона 1 (първи алел на бащата)",
            "ред 2 (втори алел на майката), колона 2 (втори алел на бащата)" };
        for (int i = 0; i < 4; ++i) {
            QAccessibleInterface* label = accessible(d, QStringLiteral("Label2_%1").arg(i));
            QCOMPARE(label->text(QAccessible::Name), alleles[i]);
            QCOMPARE(label->text(QAccessible::Description),
                QStringList({ "Първи алел на бащата", "Втори алел на бащата",
                    "Първи алел на майката", "Втори алел на майката" })[i]);
            QAccessibleInterface* cell = accessible(d, QStringLiteral("Check1_%1").arg(i));
            QCOMPARE(cell->text(QAccessible::Name), cells[i]);
            QCOMPARE(cell->text(QAccessible::Description),
                QString::fromUtf8("Решетка на Пънет, ") + places[i]);
            QCOMPARE(cell->role(), QAccessible::Cell);
            QVERIFY(!cell->state().checkable && !cell->state().disabled);
            QCOMPARE(table->cellAt(i / 2, i % 2), cell);
            QAccessibleTableCellInterface* place = cell->tableCellInterface();
            QVERIFY(place);
            QCOMPARE(place->table(), grid);
            const auto header = [&](int label) {
                return QList { accessible(d, QStringLiteral("Label2_%1").arg(label)) };
            };
            QCOMPARE(place->columnHeaderCells(), header(i % 2));
            QCOMPARE(place->rowHeaderCells(), header(2 + i / 2));
        }
    }

    // The picture's description reads out every row of its table.
    void pictureDescribed()
    {
        Driver d;
        const QString description = accessible(d, "Picture1")->text(QAccessible::Description);
        QVERIFY(description.contains(QString::fromUtf8(
            "Родители A и B: деца A – 18,75 %, B – 18,75 %, AB – 56,25 %, 0 – 6,25 %.")));
        QVERIFY(description.contains(QString::fromUtf8("Родители 0 и 0: деца 0 – 100 %.")));
        QCOMPARE(description.count(QString::fromUtf8("Родители")), 10);
    }

    // The report is read line by line: the lines, in order, make up its whole text, also where a
    // line wraps at a space, as it does with Windows' font metrics.
    void reportByLines_data()
    {
        QTest::addColumn<int>("narrower");
        QTest::newRow("as laid out") << 0;
        QTest::newRow("wrapped") << 60;
    }

    void reportByLines()
    {
        QFETCH(int, narrower);
        Driver d;
        d.choose(0, 1);
        d.choose(1, 2);
        d.clickCommand(0);
        auto* box = d.window->findChild<QWidget*>("Text1_0");
        box->resize(box->width() - narrower, box->height());
        QAccessibleTextInterface* text = accessible(d, "Text1_0")->textInterface();
        QVERIFY(text);
        const QString whole = text->text(0, text->characterCount());
        QCOMPARE(whole, QString::fromUtf8(d.reportBytes()).replace("\r\n", "\n"));
        QStringList lines;
        for (int offset = 0, previous = -1; offset < text->characterCount();) {
            int start = 0, end = 0;
            lines << text->textAtOffset(offset, QAccessible::LineBoundary, &start, &end);
            QCOMPARE(start, offset);
            QVERIFY(end > offset);
            // The line after the one before is this one.
            int after = -1, afterEnd = -1;
            if (previous >= 0)
                text->textAfterOffset(previous, QAccessible::LineBoundary, &after, &afterEnd);
            QCOMPARE(after, previous >= 0 ? start : -1);
            previous = start;
            // A line ends before its line break, if it has one.
            offset = end < whole.size() && whole[end] == '\n' ? end + 1 : end;
        }
        QCOMPARE(lines.join(QString()), QString(whole).remove('\n'));
        QVERIFY(lines.size() >= 4);
    }
};

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
