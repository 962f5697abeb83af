// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "layout.h"

#include "layouttexts.h"

#include <stdexcept>

namespace morvela::layout {

std::string Id::key() const
{
    return index < 0 ? std::string(name) : std::string(name) + "_" + std::to_string(index);
}

Rect Control::place() const
{
    return { left / twipsPerPixel, top / twipsPerPixel, width / twipsPerPixel,
        height / twipsPerPixel };
}

const Control& Form::at(Id wanted) const
{
    for (const Control& c : controls)
        if (c.id == wanted)
            return c;
    throw std::out_of_range("no control " + wanted.key() + " on the form");
}

bool Form::holds(const Control& frame, Kind kind) const
{
    for (const Control& c : controls)
        if (c.container == frame.id && c.kind == kind)
            return true;
    return false;
}

Rect Form::onForm(const Control& control) const
{
    Rect r = control.place();
    if (control.container != id) {
        const Rect frame = onForm(at(control.container));
        r.x += frame.x;
        r.y += frame.y;
    }
    return r;
}

Rect Form::size() const
{
    return { 0, 0, width / twipsPerPixel, height / twipsPerPixel };
}

std::string caption()
{
    return std::string(texts::publisher) + "  " + texts::title;
}

std::string shownText(std::string_view exact)
{
    std::string lines;
    lines.reserve(exact.size());
    for (std::size_t i = 0; i < exact.size(); ++i) {
        if (exact[i] != '\r') {
            lines += exact[i];
            continue;
        }
        lines += '\n';
        if (i + 1 < exact.size() && exact[i + 1] == '\n')
            ++i;
    }
    return lines;
}

std::string cssColour(Colour colour)
{
    static const char digits[] = "0123456789abcdef";
    std::string out = "#";
    for (int shift = 20; shift >= 0; shift -= 4)
        out += digits[(colour >> shift) & 0xF];
    return out;
}

namespace {

Form describe()
{
    using K = Kind;
    const Id Text1_0 { "Text1", 0 }, List1_0 { "List1", 0 }, List1_1 { "List1", 1 },
        Frame1 { "Frame1" }, Frame2 { "Frame2" };
    const std::vector<std::string_view> groups { "0", "A", "B", "AB" };
    Form f { form, 6915, 5970, formBlue, { "Times New Roman", 12, 400, 204 }, {} };
    auto& c = f.controls;
    // id, kind, container, left, top, width, height (twips), tab index, tab stop, background
    c.push_back({ Text1_0, K::TextBox, form, 120, 4320, 6615, 1575, 0, true, false, 0,
        texts::introduction });
    c.push_back({ { "Label1", 0 }, K::Label, form, 1320, 0, 4215, 300, 2, false, true, labelOrange,
        texts::heading, {}, true, true, false, Heads::Caption, form });
    c.push_back({ { "Picture1" }, K::PictureBox, form, 120, 480, 3585, 3825, 3, true, false, 0 });
    c.push_back({ List1_0, K::ListBox, form, 6000, 480, 735, 345, 4, true, false, 0, {}, groups });
    c.push_back({ { "Label1", 1 }, K::Label, form, 3840, 480, 2175, 345, 5, false, true,
        labelOrange, texts::father, {}, false, true, false, Heads::Caption, List1_0 });
    c.push_back({ List1_1, K::ListBox, form, 6000, 840, 735, 345, 6, true, false, 0, {}, groups });
    c.push_back({ { "Label1", 2 }, K::Label, form, 3840, 840, 2175, 345, 7, false, true,
        labelOrange, texts::mother, {}, false, true, false, Heads::Caption, List1_1 });
    c.push_back({ { "Command1", 0 }, K::CommandButton, form, 3840, 3840, 1095, 375, 8, true, true,
        calculateGreen, texts::calculate });
    c.push_back({ { "Command1", 1 }, K::CommandButton, form, 5640, 3840, 1095, 375, 9, true, true,
        clearRed, texts::clear });
    // The first parent's alleles head the grid's columns, the second parent's its rows.
    const int alleleLeft[] = { 4560, 5400, 3840, 3840 }, alleleTop[] = { 2520, 2520, 2880, 3360 };
    for (int i = 0; i < 4; ++i)
        c.push_back({ { "Label2", i }, K::Label, form, alleleLeft[i], alleleTop[i], 735, 345,
            10 + i, false, true, labelOrange, {}, {}, true, true, false,
            i < 2 ? Heads::Column : Heads::Row, Frame1 });
    // No border, and disabled: its cells take no input and no focus.
    c.push_back({ Frame1, K::Frame, form, 4560, 2880, 1695, 855, 14, false, true, formBlue, {}, {},
        false, false });
    for (int i = 0; i < 4; ++i)
        c.push_back({ { "Check1", i }, K::CheckBox, Frame1, 840 * (i % 2), 480 * (i / 2), 735, 345,
            15 + i, false, true, buttonViolet });
    c.push_back({ { "Label1", 3 }, K::Label, form, 4320, 2160, 2175, 300, 19, false, true,
        labelOrange, texts::punnett, {}, true, true, false, Heads::Caption, Frame1 });
    // No border and no caption shown: it only holds the two options together.
    c.push_back({ Frame2, K::Frame, form, 4320, 1320, 2055, 735, 20, false, true, formBlue });
    c.push_back({ { "Option1", 0 }, K::OptionButton, Frame2, 120, 0, 1935, 375, 21, true, true,
        buttonViolet, texts::homozygous, {}, false, true, true });
    c.push_back({ { "Option1", 1 }, K::OptionButton, Frame2, 120, 360, 1935, 375, 22, true, true,
        buttonViolet, texts::heterozygous });
    return f;
}

} // namespace

const Form& mainForm()
{
    static const Form f = describe();
    return f;
}

} // namespace morvela::layout
