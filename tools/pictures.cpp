// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Makes the program's pictures, which are committed so that a build never depends on this
// machine's fonts:
//   morvela-pictures table OUT.jpg [SCALE]  the table of parents' pairs and their children's
//                                          groups, at 100 % or at SCALE times as many pixels
//   morvela-pictures icon IN.xpm OUT.ico  the Windows icon, from the same pixels as the window icon
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

// An icon file with one 8-bit palette image and its transparency mask, as Windows expects of a
// 256-colour icon.
int writeIcon(const char* source, const char* path)
{
    const QImage argb
        = QImage(QString::fromLocal8Bit(source)).convertToFormat(QImage::Format_ARGB32);
    if (argb.isNull() || argb.width() != 32 || argb.height() != 32) {
        std::fprintf(stderr, "morvela-pictures: %s is not a 32 x 32 picture\n", source);
        return 1;
    }
    QList<QRgb> palette { qRgb(0, 0, 0) };
    QImage indexed(32, 32, QImage::Format_Indexed8);
    indexed.setColorCount(256);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QRgb p = argb.pixel(x, y);
            qsizetype i = 0;
            if (qAlpha(p) != 0) {
                i = palette.indexOf(qRgb(qRed(p), qGreen(p), qBlue(p)));
                if (i < 0) {
                    i = palette.size();
                    palette.append(qRgb(qRed(p), qGreen(p), qBlue(p)));
                }
            }
            indexed.setPixel(x, y, static_cast<uint>(i));
        }
    }
    if (palette.size() > 256) {
        std::fprintf(stderr, "morvela-pictures: %s has more than 256 colours\n", source);
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
    constexpr quint32 pixelBytes = 32 * 32;
    constexpr quint32 maskBytes = 32 * 4;
    constexpr quint32 imageBytes = 40 + 256 * 4 + pixelBytes + maskBytes;
    // Directory with one entry.
    u16(0), u16(1), u16(1);
    bytes.append(char(32)).append(char(32)).append(char(0)).append(char(0));
    u16(1), u16(8), u32(imageBytes), u32(6 + 16);
    // Bitmap header: the height counts the colour rows and the mask rows.
    u32(40), u32(32), u32(64), u16(1), u16(8), u32(0), u32(pixelBytes + maskBytes), u32(0), u32(0),
        u32(256), u32(0);
    for (int i = 0; i < 256; ++i) {
        const QRgb c = i < palette.size() ? palette[i] : 0;
        bytes.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c))).append(char(0));
    }
    // Rows run bottom up; a mask bit of 1 is transparent.
    for (int y = 31; y >= 0; --y)
        bytes.append(reinterpret_cast<const char*>(indexed.constScanLine(y)), 32);
    for (int y = 31; y >= 0; --y) {
        for (int b = 0; b < 4; ++b) {
            unsigned char bits = 0;
            for (int k = 0; k < 8; ++k)
                if (qAlpha(argb.pixel(b * 8 + k, y)) == 0)
                    bits |= 0x80 >> k;
            bytes.append(char(bits));
        }
    }

    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
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
    if (command == "icon" && argc == 4)
        return writeIcon(argv[2], argv[3]);
    if (command == "png" && argc == 5)
        return writePng(argv[2], QByteArray(argv[3]).toInt(), argv[4]);
    std::fputs("usage: morvela-pictures table OUT.jpg [SCALE] | icon IN.xpm OUT.ico | png IN.xpm "
               "SIZE OUT.png\n",
        stderr);
    return 2;
}
