// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Makes the program's pictures, which are committed so that a build never depends on this
// machine's fonts:
//   morvela-pictures table OUT.jpg [SCALE]  the table of parents' pairs and their children's
//                                          groups, at 100 % or at SCALE times as many pixels
//   morvela-pictures icon2x IN.xpm OUT.xpm  the icon drawn at twice its size, for displays above
//   100 % morvela-pictures icon IN.xpm IN_2x.xpm OUT.ico  the Windows icon at 32 and 64 px, from
//   the
//                                          same pixels as the window icon
//   morvela-pictures png IN.xpm SIZE OUT.png  the icon at a larger size, for the desktop

#include "tablepicture.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QtEndian>

#include <cstdio>

namespace {

int writeTable(const char* path, int scale)
{
    const QImage image = genetics::drawTable(scale);
    QImageWriter writer(QString::fromLocal8Bit(path), "jpeg");
    writer.setQuality(92);
    writer.setProgressiveScanWrite(false);
    writer.setOptimizedWrite(false);
    if (!writer.write(image)) {
        std::fprintf(stderr, "morvela-pictures: %s: %s\n", path, qPrintable(writer.errorString()));
        return 1;
    }
    return 0;
}

// An icon file with 8-bit palette images, each with its transparency mask, as Windows expects of
// 256-colour icons: the icon at 32 px and, for displays above 100 %, at 64 px. Both share one
// palette, since the larger is drawn from the smaller's colours alone.
int writeIcon(const char* source, const char* source2x, const char* path)
{
    QList<QImage> images;
    for (const char* file : { source, source2x }) {
        const QImage argb
            = QImage(QString::fromLocal8Bit(file)).convertToFormat(QImage::Format_ARGB32);
        const int size = 32 * (images.size() + 1);
        if (argb.isNull() || argb.width() != size || argb.height() != size) {
            std::fprintf(
                stderr, "morvela-pictures: %s is not a %d x %d picture\n", file, size, size);
            return 1;
        }
        images << argb;
    }
    QList<QRgb> palette { qRgb(0, 0, 0) };
    QList<QImage> indexed;
    for (const QImage& argb : images) {
        QImage out(argb.size(), QImage::Format_Indexed8);
        out.setColorCount(256);
        for (int y = 0; y < argb.height(); ++y) {
            for (int x = 0; x < argb.width(); ++x) {
                const QRgb p = argb.pixel(x, y);
                qsizetype i = 0;
                if (qAlpha(p) != 0) {
                    i = palette.indexOf(qRgb(qRed(p), qGreen(p), qBlue(p)));
                    if (i < 0) {
                        i = palette.size();
                        palette.append(qRgb(qRed(p), qGreen(p), qBlue(p)));
                    }
                }
                out.setPixel(x, y, static_cast<uint>(i));
            }
        }
        indexed << out;
    }
    if (palette.size() > 256) {
        std::fprintf(stderr, "morvela-pictures: the icon has more than 256 colours\n");
        return 1;
    }

    QByteArray bytes;
    const auto u16 = [&bytes](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        bytes.append(b, 2);
    };
    const auto u32 = [&bytes](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        bytes.append(b, 4);
    };
    const auto imageBytes
        = [](int size) { return quint32(40 + 256 * 4 + size * size + size * size / 8); };
    // The directory, one entry an image.
    u16(0), u16(1), u16(quint16(images.size()));
    quint32 offset = 6 + 16 * quint32(images.size());
    for (const QImage& image : images) {
        bytes.append(char(image.width()))
            .append(char(image.height()))
            .append(char(0))
            .append(char(0));
        u16(1), u16(8), u32(imageBytes(image.width())), u32(offset);
        offset += imageBytes(image.width());
    }
    for (qsizetype n = 0; n < images.size(); ++n) {
        const int size = images[n].width();
        // Bitmap header: the height counts the colour rows and the mask rows.
        u32(40), u32(size), u32(2 * size), u16(1), u16(8), u32(0),
            u32(quint32(size * size + size * size / 8)), u32(0), u32(0), u32(256), u32(0);
        for (int i = 0; i < 256; ++i) {
            const QRgb c = i < palette.size() ? palette[i] : 0;
            bytes.append(char(qBlue(c)))
                .append(char(qGreen(c)))
                .append(char(qRed(c)))
                .append(char(0));
        }
        // Rows run bottom up; a mask bit of 1 is transparent.
        for (int y = size - 1; y >= 0; --y)
            bytes.append(reinterpret_cast<const char*>(indexed[n].constScanLine(y)), size);
        for (int y = size - 1; y >= 0; --y) {
            for (int b = 0; b < size / 8; ++b) {
                unsigned char bits = 0;
                for (int k = 0; k < 8; ++k)
                    if (qAlpha(images[n].pixel(b * 8 + k, y)) == 0)
                        bits |= 0x80 >> k;
                bytes.append(char(bits));
            }
        }
    }

    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "morvela-pictures: %s: %s\n", path, qPrintable(file.errorString()));
        return 1;
    }
    return 0;
}

// The pixel art at twice its size, for displays above 100 %: each pixel becomes four, and where
// two neighbours of the same colour meet at a corner, that corner takes their colour (Scale2x),
// so that edges run smoothly instead of in doubled steps. Works on the XPM's text, pixel by
// character, and keeps its colour table as it is; the array is named NAME_2x.
int writeIcon2x(const char* source, const char* path)
{
    QFile in(QString::fromLocal8Bit(source));
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "morvela-pictures: %s: %s\n", source, qPrintable(in.errorString()));
        return 1;
    }
    const QList<QByteArray> lines = in.readAll().split('\n');
    QByteArrayList out;
    QList<QByteArray> rows;
    int width = 0, height = 0, colours = 0, chars = 0, header = -1, palette = 0;
    for (const QByteArray& line : lines) {
        const QByteArray text = line.trimmed();
        if (header < 0 && text.startsWith('"')) {
            std::sscanf(text.constData() + 1, "%d %d %d %d", &width, &height, &colours, &chars);
            palette = colours;
            header = int(out.size());
            out << line;
        } else if (header >= 0 && colours > 0 && text.startsWith('"')) {
            --colours;
            out << line;
        } else if (header >= 0 && text.startsWith('"') && rows.size() < height) {
            rows << text.mid(1, width);
        } else if (rows.isEmpty()) {
            out << QByteArray(line).replace("[] = {", "_2x[] = {");
        }
    }
    if (chars != 1 || width <= 0 || rows.size() != height) {
        std::fprintf(stderr, "morvela-pictures: %s is no XPM of one character a pixel\n", source);
        return 1;
    }
    out[header]
        = QStringLiteral("\"%1 %2 %3 1 \",").arg(2 * width).arg(2 * height).arg(palette).toLatin1();
    const auto at = [&](int x, int y, char self) {
        return x < 0 || y < 0 || x >= width || y >= height ? self : rows[y][x];
    };
    for (int y = 0; y < height; ++y) {
        QByteArray top, bottom;
        for (int x = 0; x < width; ++x) {
            const char p = rows[y][x], a = at(x, y - 1, p), b = at(x + 1, y, p),
                       c = at(x - 1, y, p), d = at(x, y + 1, p);
            top.append(c == a && c != d && a != b ? a : p)
                .append(a == b && a != c && b != d ? b : p);
            bottom.append(d == c && d != b && c != a ? c : p)
                .append(b == d && b != a && d != c ? d : p);
        }
        out << "\"" + top + "\",";
        out << "\"" + bottom + (y + 1 < height ? "\"," : "\"");
    }
    out << "};"
        << "";
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::WriteOnly) || file.write(out.join('\n')) < 0) {
        std::fprintf(stderr, "morvela-pictures: %s: %s\n", path, qPrintable(file.errorString()));
        return 1;
    }
    return 0;
}

// The icon at a larger size: scaled by the largest whole factor that fits, nearest neighbour, and
// centred on a transparent square.
int writePng(const char* source, int size, const char* path)
{
    const QImage icon
        = QImage(QString::fromLocal8Bit(source)).convertToFormat(QImage::Format_ARGB32);
    const int factor = icon.isNull() ? 0 : size / icon.width();
    if (factor < 1 || icon.width() != icon.height()) {
        std::fprintf(stderr, "morvela-pictures: cannot make %d px from %s\n", size, source);
        return 1;
    }
    const QImage scaled
        = icon.scaled(icon.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QImage out(size, size, QImage::Format_ARGB32);
    out.fill(Qt::transparent);
    QPainter painter(&out);
    painter.drawImage((size - scaled.width()) / 2, (size - scaled.height()) / 2, scaled);
    painter.end();
    if (!out.save(QString::fromLocal8Bit(path), "png")) {
        std::fprintf(stderr, "morvela-pictures: cannot write %s\n", path);
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    const QByteArray command = argc > 1 ? argv[1] : "";
    if (command == "table" && (argc == 3 || argc == 4))
        return writeTable(argv[2], argc == 4 ? qBound(1, QByteArray(argv[3]).toInt(), 4) : 1);
    if (command == "icon" && argc == 5)
        return writeIcon(argv[2], argv[3], argv[4]);
    if (command == "icon2x" && argc == 4)
        return writeIcon2x(argv[2], argv[3]);
    if (command == "png" && argc == 5)
        return writePng(argv[2], QByteArray(argv[3]).toInt(), argv[4]);
    std::fputs(
        "usage: morvela-pictures table OUT.jpg [SCALE] | icon2x IN.xpm OUT.xpm | icon IN.xpm "
        "IN_2x.xpm OUT.ico | png IN.xpm SIZE OUT.png\n",
        stderr);
    return 2;
}
