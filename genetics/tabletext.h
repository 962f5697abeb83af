// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The table of parents' pairs and their children's chances: for each unordered pair of parents'
// groups, the chance of each child's group as "93,75 %", blank where it is nil, with the figures
// from the genetic model; and how the table is laid out, so that the picture and the page draw
// it alike.

#include "genetics.h"

#include <array>
#include <string>
#include <vector>

namespace genetics {

// The picture's columns, in its own order: A, B, AB, 0 (indices into `groups`).
inline constexpr std::array<int, 4> tableColumns { 1, 2, 3, 0 };

struct TableRow
{
    std::string parents; // "A и B"
    std::array<std::string, 4> cells;
};

// "93,75 %", "12,5 %", "50 %": the exact two-decimal figure without trailing zeros.
inline std::string tablePercent(Fraction f)
{
    if (f.isZero())
        return {};
    std::string s = percent(f, ',');
    while (s.back() == '0')
        s.pop_back();
    if (s.back() == ',')
        s.pop_back();
    return s + " %";
}

// Ten rows: A with A, B, AB, 0; then B with B, AB, 0; AB with AB, 0; and 0 with 0.
inline std::vector<TableRow> tableRows()
{
    std::vector<TableRow> rows;
    for (int i = 0; i < 4; ++i) {
        for (int j = i; j < 4; ++j) {
            const int a = tableColumns[i];
            const int b = tableColumns[j];
            const auto p = offspring(a, b);
            TableRow row;
            row.parents = std::string(groups[a]) + " \u0438 " + groups[b];
            for (int c = 0; c < 4; ++c)
                row.cells[c] = tablePercent(p[tableColumns[c]]);
            rows.push_back(row);
        }
    }
    return rows;
}

namespace table {

// Pixels at 100 %: two header rows and ten body rows share the height; a first column of its own
// width, then four alike. Each cell leaves a white line of one pixel on its right and bottom.
inline constexpr int tableWidth = 235;
inline constexpr int tableHeight = 251;
inline constexpr int headerRows = 2;
inline constexpr int bodyRows = 10;
inline constexpr int firstColumn = 55;
// Bold sans-serif text of this many pixels; where the table is drawn as text, a phone draws it
// larger, to the smallest size read without zooming.
inline constexpr int textPixels = 10;
inline constexpr int legiblePixels = 12;

inline constexpr int rowEdge(int row)
{
    return row * tableHeight / (headerRows + bodyRows);
}
inline constexpr int columnEdge(int column)
{
    return column == 0 ? 0 : firstColumn + (column - 1) * (tableWidth - firstColumn) / 4;
}

// Colours as 0xRRGGBB: the two header cells that span, the row heads, the column heads and the
// body; the text.
inline constexpr unsigned salmon = 0xFA8784;
inline constexpr unsigned pink = 0xF1ABA9;
inline constexpr unsigned columnPink = 0xFFB5B3;
inline constexpr unsigned lightPink = 0xFACDCA;
inline constexpr unsigned ink = 0x201010;

} // namespace table

} // namespace genetics
