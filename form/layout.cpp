// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "layout.h"

#include "layouttexts.h"
#include "speech.h"

#include <stdexcept>
#include <utility>

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

bool Form::takesFocus(const Control& control) const
{
    return control.tabStop && enabledWithin(control);
}

bool Form::enabledWithin(const Control& control) const
{
    return control.enabled && (control.container == id || enabledWithin(at(control.container)));
}

const Control* Form::captionOf(const Control& control) const
{
    for (const Control& c : controls)
        if (c.heads == Heads::Caption && c.of == control.id)
            return &c;
    return nullptr;
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

std::string withFormFacts(std::string text, const Form& form)
{
    const std::pair<std::string_view, std::string> facts[] = {
        { "@FORM_ID@", form.id.key() },
        { "@FORM_WIDTH@", std::to_string(form.size().width) },
        { "@FORM_HEIGHT@", std::to_string(form.size().height) },
        { "@FORM_COLOUR@", cssColour(form.background) },
    };
    for (const auto& [marker, value] : facts)
        replaceAll(text, marker, value);
    return text;
}

int replaceAll(std::string& text, std::string_view marker, std::string_view value)
{
    int count = 0;
    for (auto at = text.find(marker); at != std::string::npos;
         at = text.find(marker, at + value.size()), ++count)
        text.replace(at, marker.size(), value);
    return count;
}

namespace {

// The form's table, control by control in tab order; each row reads as the table does.
Form describe()
{
    using K = Kind;
    const Id Text1_0 { "Text1", 0 }, List1_0 { "List1", 0 }, List1_1 { "List1", 1 },
        Frame1 { "Frame1" }, Frame2 { "Frame2" };
    // A control to a few lines, to be read against the table; the formatter would give each
    // field a line of its own.
    // clang-format off
    Form f { .id = form, .caption = caption(), .width = 6915, .height = 5970,
        .background = formBlue, .font = { "Times New Roman", 12, 400 }, .controls = {
        { .id = Text1_0, .kind = K::TextBox, .left = 120, .top = 4320, .width = 6615,
            .height = 1575, .tabStop = true, .caption = texts::introduction,
            .scrollBars = ScrollBars::Vertical, .locked = true,
            .accessibleName = speech::reportName },
        { .id = { "Label1", 0 }, .kind = K::Label, .left = 1320, .top = 0, .width = 4215,
            .height = 300, .background = labelOrange, .caption = texts::heading,
            .align = Align::Centre, .heads = Heads::Caption, .of = form },
        { .id = { "Picture1" }, .kind = K::PictureBox, .left = 120, .top = 480, .width = 3585,
            .height = 3825, .tabStop = true, .border = Border::Sunken,
            .accessibleName = speech::pictureName, .described = Described::Table },
        { .id = List1_0, .kind = K::ListBox, .left = 6000, .top = 480, .width = 735,
            .height = 345, .tabStop = true, .scrollBars = ScrollBars::Vertical },
        { .id = { "Label1", 1 }, .kind = K::Label, .left = 3840, .top = 480, .width = 2175,
            .height = 345, .background = labelOrange, .caption = texts::father,
            .heads = Heads::Caption, .of = List1_0 },
        { .id = List1_1, .kind = K::ListBox, .left = 6000, .top = 840, .width = 735,
            .height = 345, .tabStop = true, .scrollBars = ScrollBars::Vertical },
        { .id = { "Label1", 2 }, .kind = K::Label, .left = 3840, .top = 840, .width = 2175,
            .height = 345, .background = labelOrange, .caption = texts::mother,
            .heads = Heads::Caption, .of = List1_1 },
        { .id = { "Command1", 0 }, .kind = K::CommandButton, .left = 3840, .top = 3840,
            .width = 1095, .height = 375, .tabStop = true,
            .background = calculateGreen, .caption = texts::calculate },
        { .id = { "Command1", 1 }, .kind = K::CommandButton, .left = 5640, .top = 3840,
            .width = 1095, .height = 375, .tabStop = true, .background = clearRed,
            .caption = texts::clear },
        // The first parent's alleles head the grid's columns, the second parent's its rows.
        { .id = { "Label2", 0 }, .kind = K::Label, .left = 4560, .top = 2520, .width = 735,
            .height = 345, .background = labelOrange, .align = Align::Centre,
            .heads = Heads::Column, .of = Frame1, .described = Described::Allele },
        { .id = { "Label2", 1 }, .kind = K::Label, .left = 5400, .top = 2520, .width = 735,
            .height = 345, .background = labelOrange, .align = Align::Centre,
            .heads = Heads::Column, .of = Frame1, .described = Described::Allele },
        { .id = { "Label2", 2 }, .kind = K::Label, .left = 3840, .top = 2880, .width = 735,
            .height = 345, .background = labelOrange, .align = Align::Centre,
            .heads = Heads::Row, .of = Frame1, .described = Described::Allele },
        { .id = { "Label2", 3 }, .kind = K::Label, .left = 3840, .top = 3360, .width = 735,
            .height = 345, .background = labelOrange, .align = Align::Centre,
            .heads = Heads::Row, .of = Frame1, .described = Described::Allele },
        // Disabled: its cells take no input and no focus.
        { .id = Frame1, .kind = K::Frame, .left = 4560, .top = 2880, .width = 1695,
            .height = 855, .background = formBlue, .enabled = false },
        { .id = { "Check1", 0 }, .kind = K::CheckBox, .container = Frame1, .left = 0, .top = 0,
            .width = 735, .height = 345, .tabStop = true,
            .background = buttonViolet, .described = Described::Cell },
        { .id = { "Check1", 1 }, .kind = K::CheckBox, .container = Frame1, .left = 840,
            .top = 0, .width = 735, .height = 345, .tabStop = true,
            .background = buttonViolet, .described = Described::Cell },
        { .id = { "Check1", 2 }, .kind = K::CheckBox, .container = Frame1, .left = 0,
            .top = 480, .width = 735, .height = 345, .tabStop = true,
            .background = buttonViolet, .described = Described::Cell },
        { .id = { "Check1", 3 }, .kind = K::CheckBox, .container = Frame1, .left = 840,
            .top = 480, .width = 735, .height = 345, .tabStop = true,
            .background = buttonViolet, .described = Described::Cell },
        { .id = { "Label1", 3 }, .kind = K::Label, .left = 4320, .top = 2160, .width = 2175,
            .height = 300, .background = labelOrange, .caption = texts::punnett,
            .align = Align::Centre, .heads = Heads::Caption, .of = Frame1 },
        // No caption shown: it only holds the two options together.
        { .id = Frame2, .kind = K::Frame, .left = 4320, .top = 1320, .width = 2055,
            .height = 735, .background = formBlue, .accessibleName = speech::optionsName },
        { .id = { "Option1", 0 }, .kind = K::OptionButton, .container = Frame2, .left = 120,
            .top = 0, .width = 1935, .height = 375, .tabStop = true,
            .background = buttonViolet, .caption = texts::homozygous, .value = true },
        { .id = { "Option1", 1 }, .kind = K::OptionButton, .container = Frame2, .left = 120,
            .top = 360, .width = 1935, .height = 375, .tabStop = true,
            .background = buttonViolet, .caption = texts::heterozygous },
    } };
    // clang-format on
    return f;
}

} // namespace

const Form& mainForm()
{
    static const Form f = describe();
    return f;
}

} // namespace morvela::layout
