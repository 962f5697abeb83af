// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Which event of a control's element the page's script hears, and which function of the program
// it calls with the control's index: written into the script by the generator, and bound to the
// program's functions by the page.

#include "layout.h"

#include <optional>
#include <string_view>

namespace morvela::web {

struct PageEvent
{
    std::string_view type; // as the DOM names it
    std::string_view handler; // the program's function
};

inline std::optional<PageEvent> pageEvent(layout::Kind kind)
{
    switch (kind) {
    case layout::Kind::ListBox:
        return PageEvent { "change", "listChanged" };
    case layout::Kind::OptionButton:
        return PageEvent { "click", "optionClicked" };
    case layout::Kind::CommandButton:
        return PageEvent { "click", "commandClicked" };
    default:
        return std::nullopt;
    }
}

} // namespace morvela::web
