// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "morvela.h"

#include "member.h"

#include <algorithm>
#include <utility>

namespace morvela {

Morvela::Morvela(const Controls& controls)
    : List1(controls.List1)
    , Option1(controls.Option1)
    , Label2(controls.Label2)
    , Check1(controls.Check1)
    , Text1(controls.Text1)
{
}

void Morvela::Form_Load()
{
    member(List1, 0).clear();
    member(List1, 1).clear();
    GroupNames[0] = "0";
    GroupNames[1] = "A";
    GroupNames[2] = "B";
    GroupNames[3] = "AB";
    for (std::int16_t i = 0; i <= 3; ++i) {
        member(List1, 0).addItem(groupName(i));
        member(List1, 1).addItem(groupName(i));
    }
    member(List1, 0).setListIndex(0);
    member(List1, 1).setListIndex(0);
}

void Morvela::List1_Click(std::int16_t Index)
{
    ListBox& list = member(List1, Index);
    const std::string group = list.item(list.listIndex());
    CaptionControl& first = member(Label2, static_cast<std::int16_t>(2 * Index));
    CaptionControl& second = member(Label2, static_cast<std::int16_t>(2 * Index + 1));

    // Four separate tests, as the names differ at most one fires. For A and B the first
    // allele is written before the option is read.
    if (group == "0") {
        first.setCaption("0");
        second.setCaption("0");
    }
    if (group == "A") {
        first.setCaption("A");
        second.setCaption(member(Option1, 0).value() ? "A" : "0");
    }
    if (group == "B") {
        first.setCaption("B");
        second.setCaption(member(Option1, 0).value() ? "B" : "0");
    }
    if (group == "AB") {
        first.setCaption("A");
        second.setCaption("B");
    }

    // Columns are headed by the first parent's alleles, rows by the second's.
    static constexpr std::array<std::pair<std::int16_t, std::int16_t>, 4> heads { { { 0, 2 },
        { 1, 2 }, { 0, 3 }, { 1, 3 } } };
    for (std::int16_t i = 0; i < 4; ++i) {
        const auto [column, row] = heads[i];
        member(Check1, i).setCaption(
            member(Label2, column).caption() + member(Label2, row).caption());
    }

    // Canonical order: "0" last, "A" before "B". Captions are ASCII allele symbols, so a byte
    // reversal is a character reversal.
    for (std::int16_t i = 0; i < 4; ++i) {
        CaptionControl& cell = member(Check1, i);
        const std::string s = cell.caption();
        std::string reversed(s.rbegin(), s.rend());
        if (!s.empty() && s.front() == '0')
            cell.setCaption(reversed);
        if (!s.empty() && s.back() == 'A' && s.front() == 'B')
            cell.setCaption(reversed);
    }
}

void Morvela::Option1_Click(std::int16_t)
{
    ClearForm();
}

void Morvela::Command1_Click(std::int16_t Index)
{
    switch (Index) {
    case 0:
        Calculate();
        break;
    case 1:
        ClearForm();
        break;
    default:
        break;
    }
}

void Morvela::ClearForm()
{
    for (std::int16_t i = 0; i <= 1; ++i)
        member(List1, i).setListIndex(0);
    member(Text1, 0).setText("");
}

const std::string& Morvela::groupName(std::int16_t index) const
{
    if (index < 0 || static_cast<std::size_t>(index) >= GroupNames.size())
        throw std::out_of_range(
            "позиция " + std::to_string(index) + " в списъка не е кръвна група (допустими са 0–4)");
    return GroupNames[static_cast<std::size_t>(index)];
}

} // namespace morvela
