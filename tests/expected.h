// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The report as it must read, independently of the program's fixed texts.

#include <string>

namespace expected {

// The ten result lines as literal texts, one for each unordered pair of group indices: checked
// this way, a fault that a computed line would share with the program cannot hide.
struct ResultRow
{
    int first;
    int second;
    const char* line;
};
inline constexpr ResultRow resultRows[] = {
    { 0, 0, "0 = 100.00%;   A = B = AB = 0%" },
    { 1, 1, "A = 93.75%;   0 = 6.25%;  B = AB = 0%" },
    { 2, 2, "B = 93.75%;   0 = 6.25%;  A = AB = 0%" },
    { 3, 3, "A = 25.00%;   B = 25.00%;  AB = 50.00%;  0 = 0%" },
    { 0, 1, "A = 75.00%;   0 = 25.00%;  B = AB = 0%" },
    { 0, 2, "B = 75.00%;   0 = 25.00%;  A = AB = 0%" },
    { 0, 3, "A = 50.00%;   B = 50.00%;  0 = AB = 0%" },
    { 1, 2, "A = 18.75%;   B = 18.75%;  AB = 56.25%;  0 = 6.25%" },
    { 1, 3, "A = 50.00%;   B = 12.50%;  AB = 37.50%;  0 = 0%" },
    { 2, 3, "A = 12.50%;   B = 50.00%;  AB = 37.50%;  0 = 0%" },
};

inline std::string resultLine(int father, int mother)
{
    for (const ResultRow& row : resultRows)
        if ((row.first == father && row.second == mother)
            || (row.first == mother && row.second == father))
            return row.line;
    return {};
}

inline std::string caveat(bool homozygous)
{
    return "Изведената решетка на Пънет е частична и не отчита\r\n"
           "вероятности за "
        + std::string(homozygous ? "Хетерозиготни" : "Хомозиготни")
        + " алели в кръвни групи A и B.\r\n";
}

inline std::string report(bool homozygous, int father, int mother)
{
    const char* const groups[] = { "0", "A", "B", "AB" };
    return caveat(homozygous) + "При кръвна група родители: " + groups[father] + " и "
        + groups[mother] + " вероятност: \r\n" + resultLine(father, mother) + "\r\n";
}

} // namespace expected
