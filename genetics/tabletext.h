// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The texts of the table picture: for each unordered pair of parents' groups, the chance of each
// child's group as "93,75 %", blank where it is nil. Figures come from the genetic model.

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

} // namespace genetics
