// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Draws the table picture: parents' pairs of groups and their children's chances, in salmon
// and pink with white grid lines. Its figures come from the genetic model.

#include "tabletext.h"

#include <QImage>
#include <QPainter>

namespace genetics {

namespace table {

inline QString text(const std::string& s)
{
    return QString::fromStdString(s);
}

// Fills one cell, leaving a white line on its right and bottom edges, and centres its text.
inline void cell(QPainter& painter, int column, int row, int columns, int rows, QColor colour,
    const QString& caption)
{
    const QRect area(QPoint(columnEdge(column), rowEdge(row)),
        QPoint(columnEdge(column + columns) - 2, rowEdge(row + rows) - 2));
    painter.fillRect(area, colour);
    painter.drawText(area, Qt::AlignCenter, caption);
}

} // namespace table

// At scale 2 the same table is drawn at twice as many pixels, for a display at 200 %: the same
// layout, with its text drawn as sharp as that screen shows it.
inline QImage drawTable(int scale = 1)
{
    using namespace table;
    QImage image(tableWidth * scale, tableHeight * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    // 96 dots per inch in the JFIF header, at 100 %.
    image.setDotsPerMeterX(3780 * scale);
    image.setDotsPerMeterY(3780 * scale);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setPixelSize(textPixels);
    painter.setFont(font);
    painter.setPen(QColor(QRgb(table::ink)));

    const QColor salmon(QRgb(table::salmon)), pink(QRgb(table::pink)),
        columnPink(QRgb(table::columnPink)), lightPink(QRgb(table::lightPink));
    cell(painter, 0, 0, 1, 2, salmon, QString::fromUtf8("Родители"));
    cell(painter, 1, 0, 4, 1, salmon, QString::fromUtf8("Деца"));
    for (int c = 0; c < 4; ++c)
        cell(painter, 1 + c, 1, 1, 1, columnPink, QLatin1String(groups[tableColumns[c]]));
    const auto rows = tableRows();
    for (int r = 0; r < bodyRows; ++r) {
        cell(painter, 0, headerRows + r, 1, 1, pink, text(rows[r].parents));
        for (int c = 0; c < 4; ++c)
            cell(painter, 1 + c, headerRows + r, 1, 1, lightPink, text(rows[r].cells[c]));
    }
    painter.end();
    return image;
}

} // namespace genetics
