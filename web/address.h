// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "controls.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace morvela::web {

// The choice a page's address can carry, as "#father=A&mother=B&alleles=heterozygous": the two
// groups as the lists write them and the option. A link that names no option leaves it as it is.
struct Choice
{
    std::array<int, 2> groups {};
    std::optional<bool> homozygous;
};

// Longer than any choice a person writes: such an address is not read at all.
inline constexpr std::size_t longestAddress = 200;

// Said, and shown above the form, when an address carries something that is not a choice. The
// page's own words: nothing of the link is ever shown.
inline constexpr const char* unreadableAddress
    = "Изборът в тази връзка не може да бъде прочетен, затова формата не е променена.";

inline const char* const parentKeys[] = { "father", "mother" };
inline const char* const alleleValues[] = { "homozygous", "heterozygous" };

inline std::string address(const std::array<int, 2>& groups, bool homozygous,
    const std::array<ListBox*, 2>& lists)
{
    return std::string("#") + parentKeys[0] + "=" + lists[0]->item(std::int16_t(groups[0])) + "&"
        + parentKeys[1] + "=" + lists[1]->item(std::int16_t(groups[1])) + "&alleles="
        + alleleValues[homozygous ? 0 : 1];
}

namespace detail {

// Percent-escapes undone, as a browser leaves Cyrillic in an address; nullopt for a broken one.
inline std::optional<std::string> unescaped(std::string_view s)
{
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '%') {
            out += s[i];
            continue;
        }
        const auto digit = [](char c) {
            return c >= '0' && c <= '9' ? c - '0'
                : c >= 'a' && c <= 'f'  ? c - 'a' + 10
                : c >= 'A' && c <= 'F'  ? c - 'A' + 10
                                        : -1;
        };
        if (i + 2 >= s.size() || digit(s[i + 1]) < 0 || digit(s[i + 2]) < 0)
            return std::nullopt;
        out += char(digit(s[i + 1]) * 16 + digit(s[i + 2]));
        i += 2;
    }
    return out;
}

// A word as a person may write it: spaces around it dropped, any case, and the Cyrillic А, В
// and О of a Bulgarian keyboard and the letter O taken for the Latin A and B and the digit 0.
// Keys and values are compared in this form alike.
inline std::string plain(std::string_view s)
{
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    static constexpr std::pair<std::string_view, char> lookalikes[] = { { "\u0410", 'A' },
        { "\u0430", 'A' }, { "\u0412", 'B' }, { "\u0432", 'B' }, { "\u041e", '0' },
        { "\u043e", '0' } };
    std::string out;
    while (!s.empty()) {
        bool matched = false;
        for (const auto& [cyrillic, latin] : lookalikes)
            if (s.substr(0, cyrillic.size()) == cyrillic) {
                out += latin;
                s.remove_prefix(cyrillic.size());
                matched = true;
                break;
            }
        if (matched)
            continue;
        const char c = s.front();
        out += c == 'o' || c == 'O' ? '0' : c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
        s.remove_prefix(1);
    }
    return out;
}

} // namespace detail

// The choice in an address (a page's location.hash, "#" included), or nullopt where it holds
// something else. The keys in any order, each once; father and mother must be there.
inline std::optional<Choice> choiceIn(std::string_view hash, const std::array<ListBox*, 2>& lists)
{
    if (hash.size() > longestAddress || hash.empty() || hash.front() != '#')
        return std::nullopt;
    hash.remove_prefix(1);
    std::array<std::optional<int>, 2> groups;
    Choice c;
    while (!hash.empty()) {
        const auto end = hash.find('&');
        const std::string_view part = hash.substr(0, end);
        hash = end == std::string_view::npos ? std::string_view() : hash.substr(end + 1);
        if (part.empty())
            continue;
        const auto equals = part.find('=');
        if (equals == std::string_view::npos)
            return std::nullopt;
        const auto key = detail::unescaped(part.substr(0, equals));
        const auto value = detail::unescaped(part.substr(equals + 1));
        if (!key || !value)
            return std::nullopt;
        const std::string k = detail::plain(*key), v = detail::plain(*value);
        bool known = false;
        for (int parent = 0; parent < 2; ++parent) {
            if (k != detail::plain(parentKeys[parent]))
                continue;
            known = true;
            if (groups[parent])
                return std::nullopt;
            for (int g = 0; g < 4 && !groups[parent]; ++g)
                if (v == lists[parent]->item(std::int16_t(g)))
                    groups[parent] = g;
            if (!groups[parent])
                return std::nullopt;
        }
        if (k == detail::plain("alleles")) {
            known = true;
            if (c.homozygous)
                return std::nullopt;
            for (int h = 0; h < 2; ++h)
                if (v == detail::plain(alleleValues[h]))
                    c.homozygous = h == 0;
            if (!c.homozygous)
                return std::nullopt;
        }
        if (!known)
            return std::nullopt;
    }
    if (!groups[0] || !groups[1])
        return std::nullopt;
    c.groups = { *groups[0], *groups[1] };
    return c;
}

} // namespace morvela::web
