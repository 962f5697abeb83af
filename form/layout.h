// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The main form as a description: every control with its kind, name and index, its container,
// place and size, colours, caption, settings, tab order and what a screen reader is told, written
// once, in the order of the form's table. The window is built from it, and the page is generated
// from it.

#include <array>
#include <optional>
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

enum class Align { Left, Centre };
// Default: the toolkit's own for the kind: a text box's or a list's inset edge, and none for a
// frame.
enum class Border { Default, Sunken };
enum class ScrollBars { None, Vertical };
// Where a control stands, as a screen reader is told: an allele label's parent and place, a grid
// cell's row and column, the table picture's rows. Index from the control's own.
enum class Described { Nothing, Allele, Cell, Table };

// One control, with every setting that shows. What is left out keeps the toolkit's default.
struct Control
{
    Id id;
    Kind kind;
    Id container = form; // or the frame that holds it
    int left = 0, top = 0, width = 0, height = 0; // twips, within the container
    // Would take the focus by Tab; a control in a disabled frame still takes none (takesFocus).
    // Of the option buttons only the chosen one does, as the toolkit decides; both are marked.
    bool tabStop = false;
    // None where the toolkit's window background shows.
    std::optional<Colour> background {};
    // The initial caption or text; empty where code sets it at run time. A list starts empty:
    // start-up fills it before anything shows.
    std::string_view caption {};
    Align align = Align::Left; // a label's text
    bool enabled = true;
    bool value = false; // an option button chosen as laid out
    Border border = Border::Default;
    ScrollBars scrollBars = ScrollBars::None;
    bool locked = false; // a text box the user scrolls, selects and copies, but never edits
    // For a label: what it heads, and which control. A control headed by a caption is named by it.
    Heads heads = Heads::Nothing;
    Id of {};
    // What a screen reader gets beyond the caption: a name where no caption says what the control
    // is, and which description of where it stands (speech::description words it, on asking).
    std::string_view accessibleName {};
    Described described = Described::Nothing;

    // Pixels, within the container.
    Rect place() const;
};

struct Font
{
    std::string_view family;
    int points;
    int weight;
};

struct Form
{
    Id id;
    std::string caption; // the window's title
    int width, height; // the client area, twips
    Colour background;
    Font font;
    // A fixed single border: the user cannot resize the window, nor minimize or maximize it.
    bool resizable = false;
    bool minButton = false;
    bool maxButton = false;
    // Every control, in tab order: every face makes and reaches the controls in this one.
    std::vector<Control> controls;

    const Control& at(Id id) const;
    // Whether the frame holds a control of that kind.
    bool holds(const Control& frame, Kind kind) const;
    // Whether Tab reaches it: a tab stop, enabled, in an enabled frame.
    bool takesFocus(const Control& control) const;
    // The caption label that heads the control, if any.
    const Control* captionOf(const Control& control) const;
    // Pixels within the form's client area, through the frame that holds it.
    Rect onForm(const Control& control) const;
    Rect size() const;

private:
    // Enabled, and so is every frame that holds it.
    bool enabledWithin(const Control& control) const;
};

const Form& mainForm();

// The window's caption: the publisher's web address, two spaces, the title.
std::string caption();

// A text box's text as its lines show it: each CR LF, or a lone CR, is one line break (LF). The
// toolkits keep LF alone, and the form writes CR LF.
std::string shownText(std::string_view exact);

// Every MARKER in TEXT replaced by VALUE; how many there were.
int replaceAll(std::string& text, std::string_view marker, std::string_view value);

// "#C0C0FF" as CSS writes it: "#c0c0ff".
std::string cssColour(Colour colour);

// The text with the form's facts in place of their markers, for the files written from the form:
// @FORM_ID@, @FORM_WIDTH@ and @FORM_HEIGHT@ (the client area in pixels), @FORM_COLOUR@ (as CSS
// writes it).
std::string withFormFacts(std::string text, const Form& form);

} // namespace morvela::layout
