// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The page: the form's controls over the elements of page.html, its events routed to the form's
// handlers, and what a screen reader is told, all from the same code as the window.

#include "layouttexts.h"
#include "morvela.h"
#include "speech.h"
#include "tabletext.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <functional>
#include <memory>

namespace morvela::web {

namespace {

using emscripten::val;

val element(const std::string& id)
{
    return val::global("document").call<val>("getElementById", id);
}

std::string indexed(const char* name, int index)
{
    return std::string(name) + "_" + std::to_string(index);
}

void setText(val node, const std::string& text)
{
    node.set("textContent", text);
}

// A list box over a <select size="4">. Assigning its selectedIndex fires no event, so the form's
// click handler is run here, inside the assignment, as the form expects.
class DomListBox final : public ListBox
{
public:
    DomListBox(val select, std::function<void()> clickHandler)
        : select_(std::move(select))
        , clickHandler_(std::move(clickHandler))
    {
    }
    void clear() override { select_.set("length", 0); }
    void addItem(const std::string& text) override
    {
        val option = val::global("document").call<val>("createElement", std::string("option"));
        setText(option, text);
        select_.call<void>("appendChild", option);
    }
    std::int16_t listIndex() const override
    {
        return static_cast<std::int16_t>(select_["selectedIndex"].as<int>());
    }
    void setListIndex(std::int16_t index) override
    {
        select_.set("selectedIndex", index);
        clickHandler_();
    }
    std::string item(std::int16_t i) const override
    {
        if (i < 0 || i >= select_["length"].as<int>())
            return {};
        return select_["options"][i]["textContent"].as<std::string>();
    }

private:
    val select_;
    std::function<void()> clickHandler_;
};

// An allele label or a grid cell: the element's text.
class DomCaption final : public CaptionControl
{
public:
    explicit DomCaption(val node)
        : node_(std::move(node))
    {
    }
    std::string caption() const override { return node_["textContent"].as<std::string>(); }
    void setCaption(const std::string& text) override { setText(node_, text); }

private:
    val node_;
};

// A radio button and the caption beside it.
class DomOptionButton final : public OptionButton
{
public:
    DomOptionButton(val input, val caption)
        : input_(std::move(input))
        , caption_(std::move(caption))
    {
    }
    bool value() const override { return input_["checked"].as<bool>(); }
    std::string caption() const override { return caption_["textContent"].as<std::string>(); }

private:
    val input_;
    val caption_;
};

// The report box keeps the text exactly as assigned: a <textarea> turns CR LF into LF, and the
// form reads its text back to append. An assignment shows on the next display(), once per action.
class DomTextBox final : public TextBox
{
public:
    explicit DomTextBox(val area)
        : area_(std::move(area))
    {
    }
    std::string text() const override { return text_; }
    void setText(const std::string& text) override
    {
        text_ = text;
        shown_ = false;
    }
    void display()
    {
        if (shown_)
            return;
        shown_ = true;
        std::string lines;
        for (std::size_t i = 0; i < text_.size(); ++i) {
            if (text_[i] == '\r') {
                lines += '\n';
                if (i + 1 < text_.size() && text_[i + 1] == '\n')
                    ++i;
            } else {
                lines += text_[i];
            }
        }
        area_.set("value", lines);
        // From the top, as a newly assigned text box shows it.
        area_.call<void>("setSelectionRange", 0, 0);
        area_.set("scrollTop", 0);
    }

private:
    val area_;
    std::string text_;
    bool shown_ = true;
};

std::string hex(unsigned rgb)
{
    static const char digits[] = "0123456789abcdef";
    std::string out = "#";
    for (int shift = 20; shift >= 0; shift -= 4)
        out += digits[(rgb >> shift) & 0xF];
    return out;
}

// One cell of the table at its place in the picture's layout, with its role for a screen reader.
void tableCell(val row, const char* role, int column, int line, int columns, int lines,
    unsigned colour, const std::string& text)
{
    using namespace genetics::table;
    val cell = val::global("document").call<val>("createElement", std::string("div"));
    cell.call<void>("setAttribute", std::string("role"), std::string(role));
    if (columns > 1)
        cell.call<void>("setAttribute", std::string("aria-colspan"), std::to_string(columns));
    if (lines > 1)
        cell.call<void>("setAttribute", std::string("aria-rowspan"), std::to_string(lines));
    cell.set("className", std::string("t"));
    const int left = columnEdge(column), top = rowEdge(line);
    cell.set("style",
        "left:" + std::to_string(left) + "px;top:" + std::to_string(top)
            + "px;width:" + std::to_string(columnEdge(column + columns) - left) + "px;height:"
            + std::to_string(rowEdge(line + lines) - top) + "px;background:" + hex(colour));
    setText(cell, text);
    row.call<void>("appendChild", cell);
}

// The table of parents' pairs and their children's chances, from the genetic model, as a table
// that a screen reader reads cell by cell.
void buildTable()
{
    using namespace genetics;
    using namespace genetics::table;
    val table = element("table");
    const auto newRow = [&table] {
        val row = val::global("document").call<val>("createElement", std::string("div"));
        row.call<void>("setAttribute", std::string("role"), std::string("row"));
        table.call<void>("appendChild", row);
        return row;
    };
    table.set("style",
        "width:" + std::to_string(tableWidth + 2) + "px;height:" + std::to_string(tableHeight + 2)
            + "px");
    val heads = newRow();
    tableCell(heads, "columnheader", 0, 0, 1, 2, salmon, "Родители");
    tableCell(heads, "columnheader", 1, 0, 4, 1, salmon, "Деца");
    val columns = newRow();
    for (int c = 0; c < 4; ++c)
        tableCell(columns, "columnheader", 1 + c, 1, 1, 1, columnPink, groups[tableColumns[c]]);
    const auto rows = tableRows();
    for (int r = 0; r < bodyRows; ++r) {
        val row = newRow();
        tableCell(row, "rowheader", 0, headerRows + r, 1, 1, pink, rows[r].parents);
        for (int c = 0; c < 4; ++c)
            tableCell(row, "cell", 1 + c, headerRows + r, 1, 1, lightPink, rows[r].cells[c]);
    }
}

class Page
{
public:
    Page()
    {
        layOut();
        bind();
        dispatch(speech::loading, [this] { form_->Form_Load(); });
        // Shown first: a hidden element takes no focus.
        element("Morvela")["classList"].call<void>("add", std::string("ready"));
        element("Text1_0").call<void>("focus");
        val::global("performance").call<void>("mark", std::string("ready"));
    }

    void listChanged(int index)
    {
        if (dispatch(speech::choosingGroup,
                [this, index] { form_->List1_Click(static_cast<std::int16_t>(index)); }))
            announce(speech::choice(controls_, index));
    }
    void optionClicked(int index)
    {
        if (dispatch(speech::choosingAlleles,
                [this, index] { form_->Option1_Click(static_cast<std::int16_t>(index)); }))
            announce(speech::reset(controls_));
    }
    void commandClicked(int index)
    {
        const std::string caption
            = element(indexed("Command1", index))["textContent"].as<std::string>();
        if (!dispatch(speech::pressing(caption),
                [this, index] { form_->Command1_Click(static_cast<std::int16_t>(index)); }))
            return;
        announce(index == 0 ? speech::report(controls_) : speech::reset(controls_));
    }

private:
    // The captions and texts as laid out, and what a screen reader is told beyond them.
    void layOut()
    {
        val::global("document").set("title", std::string(texts::publisher) + "  " + texts::title);
        setText(element("Label1_0"), texts::heading);
        setText(element("Label1_1"), texts::father);
        setText(element("Label1_2"), texts::mother);
        setText(element("Label1_3"), texts::punnett);
        setText(element("Command1_0"), texts::calculate);
        setText(element("Command1_1"), texts::clear);
        for (int i = 0; i < 2; ++i)
            setText(element(indexed("Option1", i))["nextElementSibling"],
                i == 0 ? texts::homozygous : texts::heterozygous);
        element("Text1_0").call<void>(
            "setAttribute", std::string("aria-label"), std::string(speech::reportName));
        element("Picture1")
            .call<void>(
                "setAttribute", std::string("aria-label"), std::string(speech::pictureName));
        element("Frame2").call<void>(
            "setAttribute", std::string("aria-label"), std::string(speech::optionsName));
        for (int i = 0; i < 4; ++i) {
            element(indexed("Label2", i))
                .call<void>(
                    "setAttribute", std::string("aria-description"), speech::alleleDescription(i));
            element(indexed("Check1", i))
                .call<void>(
                    "setAttribute", std::string("aria-description"), speech::cellDescription(i));
        }
        buildTable();
        // The layout's own items; start-up replaces them.
        for (int i = 0; i < 2; ++i)
            for (const char* group : genetics::groups) {
                val option
                    = val::global("document").call<val>("createElement", std::string("option"));
                setText(option, group);
                element(indexed("List1", i)).call<void>("appendChild", option);
            }
        report_ = std::make_unique<DomTextBox>(element("Text1_0"));
        report_->setText(texts::introduction);
        report_->display();
    }

    void bind()
    {
        for (int i = 0; i < 2; ++i) {
            const auto index = static_cast<std::int16_t>(i);
            lists_[i] = std::make_unique<DomListBox>(
                element(indexed("List1", i)), [this, index] { form_->List1_Click(index); });
            val input = element(indexed("Option1", i));
            options_[i] = std::make_unique<DomOptionButton>(input, input["nextElementSibling"]);
            controls_.List1[i] = lists_[i].get();
            controls_.Option1[i] = options_[i].get();
        }
        for (int i = 0; i < 4; ++i) {
            alleles_[i] = std::make_unique<DomCaption>(element(indexed("Label2", i)));
            cells_[i] = std::make_unique<DomCaption>(element(indexed("Check1", i)));
            controls_.Label2[i] = alleles_[i].get();
            controls_.Check1[i] = cells_[i].get();
        }
        controls_.Text1[0] = report_.get();
        form_ = std::make_unique<Morvela>(controls_);
    }

    // Runs one handler: an error stops it, is shown, and the page goes on with what had been
    // assigned. True when the handler ran to its end.
    bool dispatch(const std::string& action, const std::function<void()>& handler)
    {
        const std::string failure = speech::attempt(action, handler);
        report_->display();
        if (!failure.empty()) {
            setText(element("ErrorMessage"), failure);
            val dialog = element("Error");
            if (!dialog["open"].as<bool>())
                dialog.call<void>("showModal");
        }
        return failure.empty();
    }

    // Said through the status region without moving the focus. The same message twice in a row
    // differs by a no-break space, so that it is heard again.
    void announce(const std::string& message)
    {
        val region = element("Announcer");
        const std::string shown = region["textContent"].as<std::string>();
        setText(region, shown == message ? message + "\u00a0" : message);
    }

    std::array<std::unique_ptr<DomListBox>, 2> lists_;
    std::array<std::unique_ptr<DomOptionButton>, 2> options_;
    std::array<std::unique_ptr<DomCaption>, 4> alleles_;
    std::array<std::unique_ptr<DomCaption>, 4> cells_;
    std::unique_ptr<DomTextBox> report_;
    Controls controls_;
    std::unique_ptr<Morvela> form_;
};

std::unique_ptr<Page> page;

void start()
{
    page = std::make_unique<Page>();
}

} // namespace

} // namespace morvela::web

EMSCRIPTEN_BINDINGS(morvela)
{
    using namespace morvela::web;
    emscripten::function("start", &start);
    emscripten::function(
        "listChanged", +[](int i) { page->listChanged(i); });
    emscripten::function(
        "optionClicked", +[](int i) { page->optionClicked(i); });
    emscripten::function(
        "commandClicked", +[](int i) { page->commandClicked(i); });
}
