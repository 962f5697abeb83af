// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "morvela.h"

#include "member.h"

namespace morvela {

namespace {

constexpr const char* crlf = "\r\n";

struct ResultRow
{
    std::int16_t first;
    std::int16_t second;
    const char* line;
};

// One fixed line per unordered pair of group indices (0 = "0", 1 = "A", 2 = "B", 3 = "AB").
constexpr ResultRow results[] = {
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

} // namespace

// Builds the report by appending to what the box holds, one assignment per step, so that an error
// leaves in the box exactly what the earlier steps wrote.
void Morvela::Calculate()
{
    TextBox& box = member(Text1, 0);
    box.setText(std::string("Изведената решетка на Пънет е частична и не отчита") + crlf);
    box.setText(box.text() + "вероятности за ");
    box.setText(box.text()
        + (member(Option1, 0).value() ? member(Option1, 1) : member(Option1, 0)).caption());
    box.setText(box.text() + " алели в кръвни групи A и B." + crlf);

    const std::int16_t i = member(List1, 0).listIndex();
    const std::string& father = groupName(i);
    const std::int16_t j = member(List1, 1).listIndex();
    const std::string& mother = groupName(j);
    box.setText(box.text() + "При кръвна група родители: " + father + " и " + mother);
    box.setText(box.text() + " вероятност: " + crlf);

    for (const ResultRow& row : results) {
        const std::int16_t a = member(List1, 0).listIndex();
        const std::int16_t b = member(List1, 1).listIndex();
        if ((a == row.first && b == row.second) || (a == row.second && b == row.first))
            box.setText(box.text() + row.line + crlf);
    }
}

} // namespace morvela
