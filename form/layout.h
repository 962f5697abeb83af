// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The main form as a description: every control with its kind, name and index, its container,
// place and size, colours, caption and tab order, written once. The window is built from it, and
// the page is generated from it.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace morvela::layout {

// A control by name and index; index -1 for a control that is not in an array.
struct Id
{
    std::string_view name;
    int index = -1;

    friend bool operator==(const Id&, const Id&) = default;
    // "List1_0", "Picture1": the name a face gives the control's widget or element.
    std::string key() const;
};

// The form itself, as the container of the controls on it.
inline constexpr Id form { "Morvela" };

enum class Kind {
    TextBox,
    Label,
    PictureBox,
    ListBox,
    CommandButton,
    Frame,
    CheckBox,
    OptionButton
};

// What a label stands for: a caption of another control, or a head of the grid's column or row.
enum class Heads { Nothing, Caption, Column, Row };

// 0xRRGGBB.
using Colour = unsigned;
inline constexpr Colour formBlue = 0xC0C0FF;
inline constexpr Colour buttonViolet = 0x8080FF;
inline constexpr Colour labelOrange = 0xFFC080;
inline constexpr Colour calculateGreen = 0x00FF00;
inline constexpr Colour clearRed = 0xFF0000;

// Twips, as the form stores them; 15 make a pixel at 96 dots per inch.
inline constexpr int twipsPerPixel = 15;

struct Rect
{
    int x = 0, y = 0, width = 0, height = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct Control
{
    Id id;
    Kind kind;
    Id container; // `form`, or the frame that holds it
    int left, top, width, height; // twips, within the container
    int tabIndex;
    // Takes the focus by Tab. Of the option buttons only the chosen one does, as the toolkit
    // decides; both are marked here.
    bool tabStop;
    // The background; none where the toolkit's window background shows.
    bool hasBackground = false;
    Colour background = 0;
    // The initial caption, text or item list; empty where code sets it at run time.
    std::string_view caption {};
    std::vector<std::string_view> items {};
    bool centred = false; // a label's text
    bool enabled = true;
    bool value = false; // an option button chosen as laid out
    // For a label: what it heads, and which control.
    Heads heads = Heads::Nothing;
    Id of {};

    // Pixels, within the container.
    Rect place() const;
};

struct Font
{
    std::string_view family;
    int points;
    int weight;
    int charset;
};

struct Form
{
    Id id;
    int width, height; // the client area, twips
    Colour background;
    Font font;
    // Every control, in tab order.
    std::vector<Control> controls;

    const Control& at(Id id) const;
    // Whether the frame holds a control of that kind.
    bool holds(const Control& frame, Kind kind) const;
    // Pixels within the form's client area, through the frame that holds it.
    Rect onForm(const Control& control) const;
    Rect size() const;
};

const Form& mainForm();

// The window's caption: the publisher's web address, two spaces, the title.
std::string caption();

// A text box's text as its lines show it: each CR LF, or a lone CR, is one line break (LF). The
// toolkits keep LF alone, and the form writes CR LF.
std::string shownText(std::string_view exact);

// "#C0C0FF" as CSS writes it: "#c0c0ff".
std::string cssColour(Colour colour);

} // namespace morvela::layout
