// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "binding.h"

#include <stdexcept>

namespace morvela {

namespace {

template <typename T, std::size_t N>
void place(std::array<T*, N>& array, const layout::Control& control, T& made)
{
    const auto index = static_cast<std::size_t>(control.id.index);
    if (control.id.index < 0 || index >= N || array[index] != nullptr)
        throw std::logic_error(control.id.key() + " has no place of its own in the form's arrays");
    array[index] = &made;
}

template <typename T, std::size_t N>
void checkFilled(const std::array<T*, N>& array, std::string_view name)
{
    for (std::size_t i = 0; i < N; ++i)
        if (array[i] == nullptr)
            throw std::logic_error("the form has no " + layout::Id { name, int(i) }.key());
}

} // namespace

Controls bindControls(const layout::Form& form, ControlFactory& factory)
{
    // The arrays' names are the controls' names on the form.
    Controls out;
    for (const layout::Control& c : form.controls) {
        if (c.id.name == "List1")
            place(out.List1, c, factory.listBox(c));
        else if (c.id.name == "Option1")
            place(out.Option1, c, factory.optionButton(c));
        else if (c.id.name == "Label2")
            place(out.Label2, c, factory.caption(c));
        else if (c.id.name == "Check1")
            place(out.Check1, c, factory.caption(c));
        else if (c.id.name == "Text1")
            place(out.Text1, c, factory.textBox(c));
    }
    checkFilled(out.List1, "List1");
    checkFilled(out.Option1, "Option1");
    checkFilled(out.Label2, "Label2");
    checkFilled(out.Check1, "Check1");
    checkFilled(out.Text1, "Text1");
    return out;
}

} // namespace morvela
