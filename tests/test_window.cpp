// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The window as a person sees and works it: colours, the grid's relations, focus, flags and the
// pictures, read back from the screen and from the picture files.

#include "driver.h"
#include "tablepicture.h"
#include "widgets.h"

#include <QFile>
#include <QFontDatabase>
#include <QImageReader>
#include <QScopeGuard>

#include <cmath>

namespace {

QImage grab(const Driver& d)
{
    return d.window->grab().toImage();
}

QWidget* widget(const Driver& d, const QString& name)
{
    return d.window->findChild<QWidget*>(name);
}

// A widget's frame in window coordinates.
QRect inWindow(const Driver& d, const QString& name)
{
    QWidget* w = widget(d, name);
    return QRect(w->mapTo(d.window.get(), QPoint(0, 0)), w->size());
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The JPEG segments before the scan: marker, then its payload.
QList<QPair<quint8, QByteArray>> jpegSegments(const QByteArray& bytes)
{
    QList<QPair<quint8, QByteArray>> out;
    for (qsizetype at = 2; at + 4 <= bytes.size() && quint8(bytes[at]) == 0xFF;) {
        const quint8 marker = quint8(bytes[at + 1]);
        const int length = quint8(bytes[at + 2]) << 8 | quint8(bytes[at + 3]);
        out.append({ marker, bytes.mid(at + 4, length - 2) });
        if (marker == 0xDA)
            break;
        at += 2 + length;
    }
    return out;
}

QString focusName()
{
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

// Compares a picture of the table with what the drawing gives at that scale, cell by cell: one
// wrong figure is a small part of the whole picture but most of its own cell. Its colour is
// compared by the mean grey difference, its text by the pixels that are ink (darker than
// mid-grey) in one picture and not in the other.
void compareCells(const QImage& picture, const QImage& drawn, int scale, const QString& what)
{
    const QImage shown = picture.convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.size(), drawn.size());
    using namespace genetics::table;
    for (int row = 0; row < headerRows + bodyRows; ++row) {
        for (int column = 0; column < 5; ++column) {
            const QRect cell(QPoint(columnEdge(column), rowEdge(row)) * scale,
                QPoint(columnEdge(column + 1), rowEdge(row + 1)) * scale - QPoint(1, 1));
            qint64 difference = 0;
            int inkMismatch = 0;
            for (int y = cell.top(); y <= cell.bottom(); ++y) {
                for (int x = cell.left(); x <= cell.right(); ++x) {
                    const int a = qGray(shown.pixel(x, y)), b = qGray(drawn.pixel(x, y));
                    difference += qAbs(a - b);
                    inkMismatch += (a < 128) != (b < 128);
                }
            }
            const double mean = double(difference) / (cell.width() * cell.height());
            QVERIFY2(mean < 3 && inkMismatch < 8 * scale * scale,
                qPrintable(QStringLiteral("%1 is out of date in row %2, column %3: mean grey "
                                          "difference %4, %5 pixels of ink differ")
                               .arg(what)
                               .arg(row)
                               .arg(column)
                               .arg(mean)
                               .arg(inkMismatch)));
        }
    }
}

} // namespace

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
    void tablePicture_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("scale");
        QTest::newRow("100 %") << "table.jpg" << 1;
        QTest::newRow("200 %") << "table@2x.jpg" << 2;
    }
    void tablePicture()
    {
        QFETCH(QString, file);
        QFETCH(int, scale);
        const QByteArray bytes = readFile(":/pictures/" + file);
        QVERIFY(bytes.startsWith("\xFF\xD8"));
        const auto segments = jpegSegments(bytes);
        QList<quint8> markers;
        for (const auto& s : segments)
            markers << s.first;
        QVERIFY(markers.contains(0xC0)); // baseline
        QVERIFY(!markers.contains(0xC2));
        const QByteArray jfif = segments.value(0).second;
        QVERIFY(jfif.startsWith(QByteArray("JFIF\0", 5)));
        QCOMPARE(int(jfif[7]), 1); // dots per inch
        QCOMPARE(quint8(jfif[8]) << 8 | quint8(jfif[9]), 96 * scale);
        QCOMPARE(quint8(jfif[10]) << 8 | quint8(jfif[11]), 96 * scale);
        const QByteArray frame = segments.value(markers.indexOf(0xC0)).second;
        QCOMPARE(quint8(frame[1]) << 8 | quint8(frame[2]), 251 * scale);
        QCOMPARE(quint8(frame[3]) << 8 | quint8(frame[4]), 235 * scale);
        QCOMPARE(int(frame[5]), 3);

        // The committed file is still what the drawing gives, JPEG loss aside.
        compareCells(QImage::fromData(bytes), genetics::drawTable(scale), scale, file);
    }

    // Above 100 % the window shows the picture drawn at twice its pixels. At 200 % it is shown at
    // the screen's own detail, not as doubled pixels; between 100 and 200 % (125 and 150 % are
    // laptops' defaults) it is scaled down smoothly, not by dropping pixels. Run with
    // QT_SCALE_FACTOR=2, 1.5 and 1.25 (CTest does); skipped at 100 %.
    void tableAtScale()
    {
        const qreal scale = qApp->devicePixelRatio();
        if (scale == 1)
            QSKIP("needs a display above 100 %");
        Driver d;
        auto* picture = d.control<morvela::PictureBox>("Picture1");
        const QImage shown = picture->grab(picture->contentsRect())
                                 .toImage()
                                 .convertToFormat(QImage::Format_RGB32);
        if (scale == 2) {
            QCOMPARE(shown.size(), QSize(470, 502));
            compareCells(shown, genetics::drawTable(2), 2, QStringLiteral("the picture at 200 %"));
            // Where the 100 % picture would merely be enlarged, each aligned 2 x 2 block is one
            // colour.
            int detailed = 0;
            for (int y = 0; y < shown.height(); y += 2)
                for (int x = 0; x < shown.width(); x += 2)
                    detailed
                        += qAbs(qGray(shown.pixel(x, y)) - qGray(shown.pixel(x + 1, y + 1))) > 40;
            QVERIFY2(detailed > 500, qPrintable(QString::number(detailed) + " detailed blocks"));
            return;
        }
        // Scaled smoothly, the picture is nearer the larger one scaled down smoothly than that one
        // scaled down by dropping pixels; drawn by dropping pixels, it is the other way round.
        const QImage larger = QImage(QStringLiteral(MORVELA_PICTURES "/table@2x.jpg"));
        const auto distance = [&shown, &larger](Qt::TransformationMode mode) {
            const QImage reference = larger.scaled(shown.size(), Qt::IgnoreAspectRatio, mode)
                                         .convertToFormat(QImage::Format_RGB32);
            qint64 sum = 0;
            for (int y = 0; y < shown.height(); ++y)
                for (int x = 0; x < shown.width(); ++x)
                    sum += qAbs(qGray(shown.pixel(x, y)) - qGray(reference.pixel(x, y)));
            return sum;
        };
        const qint64 smooth = distance(Qt::SmoothTransformation);
        const qint64 dropped = distance(Qt::FastTransformation);
        QVERIFY2(smooth < dropped,
            qPrintable(QStringLiteral("at %1 %: %2 from smooth, %3 from dropped pixels")
                           .arg(scale * 100)
                           .arg(smooth)
                           .arg(dropped)));
    }

    void tableFigures()
    {
        const QStringList expected { "A и A|93,75 %|||6,25 %",
            "A и B|18,75 %|18,75 %|56,25 %|6,25 %", "A и AB|50 %|12,5 %|37,5 %|",
            "A и 0|75 %|||25 %", "B и B||93,75 %||6,25 %", "B и AB|12,5 %|50 %|37,5 %|",
            "B и 0||75 %||25 %", "AB и AB|25 %|25 %|50 %|", "AB и 0|50 %|50 %||",
            "0 и 0||||100 %" };
        QStringList rows;
        for (const auto& row : genetics::tableRows()) {
            QStringList cells { QString::fromStdString(row.parents) };
            for (const auto& c : row.cells)
                cells << QString::fromStdString(c);
            rows << cells.join('|');
        }
        QCOMPARE(rows, expected);
    }

    void picturesShown()
    {
        Driver d;
        auto* picture = d.control<morvela::PictureBox>("Picture1");
        QCOMPARE(picture->contentsRect().size(), QSize(235, 251));
        QCOMPARE(picture->picture().deviceIndependentSize(), QSizeF(235, 251));
        QCOMPARE(picture->frameWidth(), 2);
        const QColor salmon = grab(d).pixelColor(12, 36);
        QVERIFY(qAbs(salmon.red() - 0xFA) < 8 && qAbs(salmon.green() - 0x87) < 8
            && qAbs(salmon.blue() - 0x84) < 8);

        // The icon at 32 px and, drawn at twice the size, at 64; the Windows icon holds both.
        const auto argb = [](const QImage& i) { return i.convertToFormat(QImage::Format_ARGB32); };
        const QImage xpm = argb(QImage(QStringLiteral(MORVELA_PICTURES "/morvela.xpm")));
        const QImage xpm2x = argb(QImage(QStringLiteral(MORVELA_PICTURES "/morvela_2x.xpm")));
        QCOMPARE(xpm.size(), QSize(32, 32));
        QCOMPARE(xpm2x.size(), QSize(64, 64));
        QCOMPARE(argb(d.window->windowIcon().pixmap(QSize(32, 32), 1.0).toImage()), xpm);
        QCOMPARE(argb(d.window->windowIcon().pixmap(QSize(64, 64), 1.0).toImage()), xpm2x);
        QImageReader ico(QStringLiteral(MORVELA_PICTURES "/morvela.ico"));
        QCOMPARE(ico.imageCount(), 2);
        QCOMPARE(argb(ico.read()), xpm);
        QVERIFY(ico.jumpToNextImage());
        QCOMPARE(argb(ico.read()), xpm2x);
        QCOMPARE(qAlpha(xpm.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(xpm.pixel(16, 20)), 255);
        // The larger is the smaller in its colours and outline, not merely enlarged: where the
        // smaller's pixels would be doubled, some edges run smoothly.
        QSet<QRgb> colours;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                colours << xpm.pixel(x, y);
        int smoothed = 0;
        for (int y = 0; y < 64; ++y) {
            for (int x = 0; x < 64; ++x) {
                smoothed += xpm2x.pixel(x, y) != xpm.pixel(x / 2, y / 2);
                QVERIFY(colours.contains(xpm2x.pixel(x, y)));
            }
        }
        QVERIFY2(smoothed > 50 && smoothed < 64 * 64 / 8, qPrintable(QString::number(smoothed)));
    }
};

QTEST_MAIN(WindowTest)
#include "test_window.moc"
