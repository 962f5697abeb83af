// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The page's form written as markup and style, from the form's description.

#include "layout.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace morvela::web {

std::string escaped(std::string_view text);

// One attribute of an element: a name alone ("readonly") where it has no value.
struct Attribute
{
    std::string_view name;
    std::optional<std::string> value;
};
// An element, its attributes in the order given, each value escaped here and only here; CONTENT is
// markup already written. A void element ("input") has no content and no end tag.
std::string element(std::string_view tag, const std::vector<Attribute>& attributes,
    const std::string& content = {});
std::string px(int n);
// "left:8px;top:288px;width:441px;height:105px".
std::string box(const layout::Rect& r);

struct FormPage
{
    std::string style; // the form's size, colour and font
    std::string phone; // what the phone column changes of the places
    std::string markup; // the controls, in the keyboard's order, as after start-up
};
FormPage writeForm(const layout::Form& form);
std::string formStyle(const layout::Form& form);
std::string phoneStyle(const layout::Form& form);

// The controls whose events the page's script hears, as a script's object literal: each
// element's id, its event and the program's function, and the control's index.
std::string scriptControls(const layout::Form& form);

// The table of parents' pairs and their children's chances, from the genetic model, at the
// picture's layout and colours, read by a screen reader cell by cell.
std::string tableMarkup();

} // namespace morvela::web
