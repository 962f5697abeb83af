// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "controls.h"

#include <array>
#include <optional>
#include <string>

namespace morvela::web {

// The choice a page's address can carry, as "#father=A&mother=B&alleles=heterozygous": the two
// groups as the lists write them and the option. Anything else is no choice.
struct Choice
{
    std::array<int, 2> groups {};
    bool homozygous = true;
};

inline const char* const parentKeys[] = { "father=", "mother=" };
inline const char* const alleleValues[] = { "alleles=homozygous", "alleles=heterozygous" };

inline std::string address(const Choice& c, const std::array<ListBox*, 2>& lists)
{
    return std::string("#") + parentKeys[0] + lists[0]->item(std::int16_t(c.groups[0])) + "&"
        + parentKeys[1] + lists[1]->item(std::int16_t(c.groups[1])) + "&"
        + alleleValues[c.homozygous ? 0 : 1];
}

inline std::optional<Choice> choiceIn(const std::string& hash, const std::array<ListBox*, 2>& lists)
{
    // Longer than any choice: not one, whatever it holds.
    if (hash.size() > 64)
        return std::nullopt;
    for (int homozygous = 0; homozygous < 2; ++homozygous)
        for (int father = 0; father < 4; ++father)
            for (int mother = 0; mother < 4; ++mother) {
                const Choice c { { father, mother }, homozygous == 1 };
                if (address(c, lists) == hash)
                    return c;
            }
    return std::nullopt;
}

} // namespace morvela::web
