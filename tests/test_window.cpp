// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The window as a person sees it: colours, places, the grid's relations, its flags and fonts, also
// under a dark desktop theme, read back from the screen.

#include "driver.h"
#include "widgets.h"

#include <QFontDatabase>
#include <QScopeGuard>

#include <cmath>

class WindowTest : public QObject
{
    Q_OBJECT

private slots:
    void colours_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QColor>("colour");
        const QColor form(0xC0, 0xC0, 0xFF), violet(0x80, 0x80, 0xFF), orange(0xFF, 0xC0, 0x80);
        QTest::newRow("form") << QPoint(40, 10) << form;
        QTest::newRow("Label1(0)") << QPoint(92, 3) << orange;
        QTest::newRow("Label1(1)") << QPoint(258, 34) << orange;
        QTest::newRow("Label1(2)") << QPoint(258, 77) << orange;
        QTest::newRow("Label1(3)") << QPoint(290, 146) << orange;
        QTest::newRow("Label2(0) empty") << QPoint(306, 170) << orange;
        QTest::newRow("Label2(3) empty") << QPoint(258, 245) << orange;
        QTest::newRow("Frame2") << QPoint(291, 100) << form;
        QTest::newRow("Option1(0)") << QPoint(420, 90) << violet;
        QTest::newRow("Option1(1)") << QPoint(420, 134) << violet;
        QTest::newRow("Frame1 between columns") << QPoint(356, 200) << form;
        QTest::newRow("Frame1 between rows") << QPoint(330, 219) << form;
        QTest::newRow("Check1(0)") << QPoint(350, 194) << violet;
        QTest::newRow("Check1(3)") << QPoint(406, 246) << violet;
        QTest::newRow("Command1(0) face") << QPoint(261, 261) << QColor(0x00, 0xFF, 0x00);
        QTest::newRow("Command1(1) face") << QPoint(445, 276) << QColor(0xFF, 0x00, 0x00);
        QTest::newRow("list over its caption") << QPoint(400, 44) << QColor();
        QTest::newRow("grid over its row label") << QPoint(304, 193) << violet;
    }
    void colours()
    {
        QFETCH(QPoint, at);
        QFETCH(QColor, colour);
        Driver d;
        const QColor seen = grab(d).pixelColor(at);
        if (!colour.isValid())
            QVERIFY2(seen != QColor(0xFF, 0xC0, 0x80), "the caption label is drawn over the list");
        else
            QCOMPARE(seen, colour);
    }

    // Each list's scroll bar shows an up arrow over a down arrow: the rows of black ink in its
    // right-hand strip widen downwards, then narrow.
    void scrollArrows()
    {
        Driver d;
        const QImage image = grab(d);
        for (int i = 0; i < 2; ++i) {
            const QRect strip
                = inWindow(d, QStringLiteral("List1_%1").arg(i)).adjusted(30, 0, 0, 0);
            QList<int> ink;
            for (int y = strip.top(); y <= strip.bottom(); ++y) {
                int row = 0;
                for (int x = strip.left(); x <= strip.right(); ++x)
                    row += image.pixelColor(x, y) == QColor(Qt::black);
                if (row > 0)
                    ink << row;
            }
            QCOMPARE(ink, QList<int>({ 1, 3, 5, 7, 7, 5, 3, 1 }));
        }
    }

    // Every control's place and size in its container, in pixels, as laid out.
    void geometry_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QRect>("rect");
        const struct
        {
            const char* row;
            const char* name;
            const char* container;
            QRect rect;
        } controls[] = {
            { "Text1(0)", "Text1_0", "Morvela", { 8, 288, 441, 105 } },
            { "Label1(0)", "Label1_0", "Morvela", { 88, 0, 281, 20 } },
            { "Picture1", "Picture1", "Morvela", { 8, 32, 239, 255 } },
            { "List1(0)", "List1_0", "Morvela", { 400, 32, 49, 23 } },
            { "Label1(1)", "Label1_1", "Morvela", { 256, 32, 145, 23 } },
            { "List1(1)", "List1_1", "Morvela", { 400, 56, 49, 23 } },
            { "Label1(2)", "Label1_2", "Morvela", { 256, 56, 145, 23 } },
            { "Command1(0)", "Command1_0", "Morvela", { 256, 256, 73, 25 } },
            { "Command1(1)", "Command1_1", "Morvela", { 376, 256, 73, 25 } },
            { "Label2(0)", "Label2_0", "Morvela", { 304, 168, 49, 23 } },
            { "Label2(1)", "Label2_1", "Morvela", { 360, 168, 49, 23 } },
            { "Label2(2)", "Label2_2", "Morvela", { 256, 192, 49, 23 } },
            { "Label2(3)", "Label2_3", "Morvela", { 256, 224, 49, 23 } },
            { "Frame1", "Frame1", "Morvela", { 304, 192, 113, 57 } },
            { "Check1(0)", "Check1_0", "Frame1", { 0, 0, 49, 23 } },
            { "Check1(1)", "Check1_1", "Frame1", { 56, 0, 49, 23 } },
            { "Check1(2)", "Check1_2", "Frame1", { 0, 32, 49, 23 } },
            { "Check1(3)", "Check1_3", "Frame1", { 56, 32, 49, 23 } },
            { "Label1(3)", "Label1_3", "Morvela", { 288, 144, 145, 20 } },
            { "Frame2", "Frame2", "Morvela", { 288, 88, 137, 49 } },
            { "Option1(0)", "Option1_0", "Frame2", { 8, 0, 129, 25 } },
            { "Option1(1)", "Option1_1", "Frame2", { 8, 24, 129, 25 } },
        };
        for (const auto& c : controls)
            QTest::newRow(c.row) << QString::fromLatin1(c.name) << QString::fromLatin1(c.container)
                                 << c.rect;
    }
    void geometry()
    {
        QFETCH(QString, name);
        QFETCH(QString, container);
        QFETCH(QRect, rect);
        Driver d;
        QWidget* w = widget(d, name);
        QVERIFY2(w, qPrintable(name));
        QCOMPARE(w->parentWidget()->objectName(), container);
        QCOMPARE(w->geometry(), rect);
    }

    // Under a dark desktop theme every caption still reads on its fixed background, the unchosen
    // option and the empty cells stay light inside, and the window looks as on a light desktop.
    void darkDesktop()
    {
        // A steady caret, so that the two pictures cannot differ by its blinking.
        const int flashTime = QApplication::cursorFlashTime();
        QApplication::setCursorFlashTime(0);
        const auto restore
            = qScopeGuard([flashTime] { QApplication::setCursorFlashTime(flashTime); });
        const QImage light = grab(Driver());
        const QPalette desktop = QApplication::palette();
        QPalette dark(QColor(240, 240, 240), QColor(53, 53, 53));
        dark.setColor(QPalette::Base, QColor(35, 35, 35));
        dark.setColor(QPalette::Text, QColor(240, 240, 240));
        QApplication::setPalette(dark);
        Driver d;
        const QImage shot = grab(d);
        QApplication::setPalette(desktop);

        const auto luminance = [](QColor c) {
            const auto linear = [](double v) {
                return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
            };
            return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF())
                + 0.0722 * linear(c.blueF());
        };
        // The darkest ink of each caption against its background, taken at a corner.
        for (const char* name : { "Label1_0", "Label1_1", "Label1_2", "Label1_3", "Label2_0",
                 "Command1_0", "Command1_1", "Option1_0", "Option1_1", "Check1_0" }) {
            const QRect r = inWindow(d, QLatin1String(name)).adjusted(3, 3, -3, -3);
            const double background = luminance(shot.pixelColor(r.topLeft()));
            double contrast = 1;
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x)
                    contrast = std::max(
                        contrast, (background + 0.05) / (luminance(shot.pixelColor(x, y)) + 0.05));
            QVERIFY2(
                contrast >= 4.5, qPrintable(QStringLiteral("%1: %2:1").arg(name).arg(contrast)));
        }
        const auto inside = [&](QAbstractButton* button, QStyle::SubElement element) {
            QStyleOptionButton option;
            option.initFrom(button);
            const QRect box = button->style()->subElementRect(element, &option, button);
            return shot.pixelColor(button->mapTo(d.window.get(), box.center())).lightness();
        };
        QVERIFY(inside(d.option(1), QStyle::SE_RadioButtonIndicator) > 200);
        QVERIFY(inside(d.control<QCheckBox>("Check1", 0), QStyle::SE_CheckBoxIndicator) > 200);
        QCOMPARE(shot, light);
    }

    // A list without the focus still shows its chosen group on the highlight, as the classic list
    // box does, also where the desktop greys the selection of an inactive window (Windows does).
    void chosenGroupWithoutFocus()
    {
        const QPalette desktop = QApplication::palette();
        const auto restore = qScopeGuard([desktop] { QApplication::setPalette(desktop); });
        QPalette greying = desktop;
        greying.setColor(QPalette::Active, QPalette::Highlight, QColor(0x00, 0x66, 0xCC));
        greying.setColor(QPalette::Inactive, QPalette::Highlight, QColor(0xA0, 0xA0, 0xA0));
        QApplication::setPalette(greying);
        Driver d;
        d.report()->setFocus();
        const QImage shot = grab(d);
        for (int i = 0; i < 2; ++i) {
            const QRect inside
                = inWindow(d, QStringLiteral("List1_%1").arg(i)).adjusted(2, 2, -20, -2);
            int highlighted = 0;
            for (int y = inside.top(); y <= inside.bottom(); ++y)
                for (int x = inside.left(); x <= inside.right(); ++x)
                    highlighted += shot.pixelColor(x, y) == QColor(0x00, 0x66, 0xCC);
            QVERIFY2(highlighted > inside.width() * inside.height() / 2,
                qPrintable(d.list(i)->objectName()));
        }
    }

    // Each cell looks exactly as an enabled check box with its caption and colours would.
    void cellsNotGreyed()
    {
        Driver d;
        d.choose(0, 3);
        for (int i = 0; i < 4; ++i) {
            auto* cell = d.control<QCheckBox>("Check1", i);
            QVERIFY(!cell->isEnabled());
            QCheckBox enabled(cell->text());
            enabled.setPalette(cell->palette());
            enabled.setFont(cell->font());
            enabled.setAutoFillBackground(true);
            enabled.resize(cell->size());
            QCOMPARE(cell->grab().toImage(), enabled.grab().toImage());
        }
    }

    // Each caption drawn where the form's table puts it: centred in its box, or from its left.
    void captionsAligned_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<bool>("centred");
        QTest::newRow("the heading") << "Label1_0" << true;
        QTest::newRow("the father's caption") << "Label1_1" << false;
        QTest::newRow("the mother's caption") << "Label1_2" << false;
        QTest::newRow("the grid's title") << "Label1_3" << true;
        for (int i = 0; i < 4; ++i)
            QTest::addRow("allele %d", i) << QStringLiteral("Label2_%1").arg(i) << true;
    }
    void captionsAligned()
    {
        QFETCH(QString, label);
        QFETCH(bool, centred);
        Driver d;
        d.choose(0, 3); // two-letter alleles, no wider than one
        auto* caption = d.window->findChild<QLabel*>(label);
        QVERIFY(caption);
        // The columns that hold a pixel of the text, which is darker than the background.
        const QImage image = caption->grab().toImage();
        int first = -1, last = -1;
        for (int x = 0; x < image.width(); ++x)
            for (int y = 0; y < image.height(); ++y)
                if (qGray(image.pixel(x, y)) < 128) {
                    first = first < 0 ? x : first;
                    last = x;
                    break;
                }
        QVERIFY2(first >= 0, "no text drawn");
        const int left = first, right = image.width() - 1 - last;
        if (centred)
            QVERIFY2(std::abs(left - right) <= 2, qPrintable(QStringLiteral("%1 px left of the "
                "text, %2 px right of it").arg(left).arg(right)));
        else
            QVERIFY2(left <= 3 && right > left, qPrintable(QStringLiteral("%1 px left of the "
                "text").arg(left)));
    }

    void gridRelations()
    {
        Driver d;
        const auto r = [&d](const char* name, int i) {
            return inWindow(d, QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(i));
        };
        const QRect grid = inWindow(d, QStringLiteral("Frame1"));
        for (int c = 0; c < 2; ++c) {
            QCOMPARE(r("Label2", c).left(), r("Check1", c).left());
            QCOMPARE(r("Label2", c).bottom() + 2, grid.top()); // a one-pixel gap
            QCOMPARE(r("Label2", c + 2).top(), r("Check1", 2 * c).top());
            QCOMPARE(r("Label2", c + 2).right(), grid.left()); // a one-pixel overlap
        }
        QCOMPARE(r("Check1", 1).top(), r("Check1", 0).top());
        QVERIFY(r("Check1", 2).top() > r("Check1", 0).bottom());
    }

    void fixedWindow()
    {
        Driver d;
        QCOMPARE(d.window->size(), QSize(461, 398));
        QCOMPARE(d.window->minimumSize(), d.window->maximumSize());
        const Qt::WindowFlags flags = d.window->windowFlags();
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(flags & Qt::WindowSystemMenuHint);
        QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QVERIFY(d.window->windowTitle().startsWith(QStringLiteral("morvela.example  ")));
    }

    void fontFitsTheLists()
    {
        Driver d;
        const QFontInfo font(d.window->font());
        QVERIFY2(font.family() == "Times New Roman" || font.family() == "Liberation Serif",
            qPrintable(font.family()));
        QCOMPARE(font.pointSize(), 12);
        QVERIFY(QFontDatabase::writingSystems(font.family()).contains(QFontDatabase::Cyrillic));
        for (int p = 0; p < 2; ++p) {
            QListWidget* list = d.list(p);
            const int item = list->visualItemRect(list->item(0)).height();
            QVERIFY(item <= list->viewport()->height());
            QVERIFY(2 * item > list->viewport()->height());
        }
    }

    // Each committed picture, at 100 % and at 200 %, is what the drawing gives.
};

QTEST_MAIN(WindowTest)
#include "test_window.moc"
