// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace morvela {

// A member of a control array, checked: a bad index is an error, not undefined behaviour.
template <typename T, std::size_t N> T& member(const std::array<T*, N>& array, std::int16_t index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= N || array[index] == nullptr)
        throw std::out_of_range("няма контрола с индекс " + std::to_string(index));
    return *array[index];
}

} // namespace morvela
