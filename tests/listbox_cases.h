// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// One rule for every list box, the window's, the page's and the generator's alike: an index from
// -1 to the last item is chosen and the click handler runs; any other is refused with
// std::out_of_range, the list unchanged and no handler run.

#include "controls.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace morvela::cases {

struct ListIndexCase
{
    int index;
    bool refused;
};

inline const ListIndexCase listIndexCases[] = { { -1, false }, { 0, false }, { 3, false },
    { 4, true }, { -2, true }, { 32767, true }, { -32768, true } };

// What the list did wrong, case by case; nothing when it keeps the rule. CLICKS counts the runs
// of its click handler.
inline std::vector<std::string> listIndexFaults(ListBox& list, const int& clicks)
{
    std::vector<std::string> faults;
    for (const ListIndexCase& c : listIndexCases) {
        list.clear();
        for (const char* item : { "0", "A", "B", "AB" })
            list.addItem(item);
        list.setListIndex(1);
        const int before = clicks;
        std::string said;
        try {
            list.setListIndex(static_cast<std::int16_t>(c.index));
        } catch (const std::out_of_range& e) {
            said = e.what();
        }
        const std::string refusal
            = c.refused ? "позиция " + std::to_string(c.index) + " не е в списъка" : "";
        const int index = c.refused ? 1 : c.index, ran = c.refused ? 0 : 1;
        if (said != refusal || list.listIndex() != index || clicks - before != ran)
            faults.push_back("index " + std::to_string(c.index) + ": said \"" + said
                + "\", index now " + std::to_string(list.listIndex()) + ", handler ran "
                + std::to_string(clicks - before) + " times");
    }
    return faults;
}

} // namespace morvela::cases
