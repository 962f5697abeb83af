// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "markup.h"

#include "events.h"
#include "speech.h"
#include "startform.h"

#include <algorithm>
#include <map>
#include <vector>

namespace morvela::web {

namespace {

class Writer
{
public:
    explicit Writer(const layout::Form& form)
        : form_(form)
        , started_(form)
    {
        // The first control in the keyboard's order has the focus when the page opens, unless
        // the pupil has put it elsewhere first: the browser's own rule for autofocus.
        for (const Control& c : form.controls)
            if (!first_ && form.takesFocus(c))
                first_ = &c;
    }

    std::string markup()
    {
        std::string out;
        // The keyboard's order, which is also the phone column's: the heading first, each
        // caption before what it names, then what takes no focus.
        for (const Control& c : form_.controls)
            if (c.heads == layout::Heads::Caption && c.of == layout::form)
                out += control(c);
        for (bool focus : { true, false })
            for (const Control& c : form_.controls)
                if (c.container == form_.id && c.kind != Kind::Label && takesFocus(c) == focus)
                    out += caption(c) + control(c);
        return out;
    }

private:
    // A frame goes where the focus reaches what it holds.
    bool takesFocus(const Control& c) const
    {
        return form_.takesFocus(c)
            || std::any_of(form_.controls.begin(), form_.controls.end(),
                [&](const Control& in) { return in.container == c.id && form_.takesFocus(in); });
    }

    void focus(std::vector<Attribute>& at, const Control& c) const
    {
        if (&c == first_)
            at.push_back({ "autofocus", {} });
    }

    // The caption label that names this control, if there is one.
    std::string caption(const Control& named)
    {
        const Control* c = form_.captionOf(named);
        return c ? control(*c) : std::string();
    }

    // The control's place within the element that holds it in the page, and its colour.
    std::string placed(const Control& c, const Control* within = nullptr) const
    {
        layout::Rect r = form_.onForm(c);
        if (within) {
            const layout::Rect w = form_.onForm(*within);
            r.x -= w.x;
            r.y -= w.y;
        }
        std::string style = box(r);
        if (c.background)
            style += ";background:" + layout::cssColour(*c.background);
        return style;
    }

    std::string text(const Control& c) { return escaped(started_.shownCaption(c)); }

    std::string label(const Control& c, const Control* within = nullptr)
    {
        std::vector<Attribute> at { { "id", c.id.key() } };
        std::string tag = "div", end = "\n";
        if (c.heads == layout::Heads::Caption && c.of == layout::form) {
            tag = "h1";
        } else if (c.heads == layout::Heads::Caption && form_.at(c.of).kind == Kind::ListBox) {
            tag = "label";
            at.push_back({ "for", c.of.key() });
        } else if (c.heads == layout::Heads::Column || c.heads == layout::Heads::Row) {
            at.push_back(
                { "role", c.heads == layout::Heads::Column ? "columnheader" : "rowheader" });
            at.push_back({ "aria-description", speech::description(c) });
            end.clear();
        }
        at.push_back(
            { "class", c.align == layout::Align::Centre ? "at label centred" : "at label" });
        at.push_back({ "style", placed(c, within) });
        return element(tag, at, text(c)) + end;
    }

    std::string control(const Control& c)
    {
        const std::string id = c.id.key();
        switch (c.kind) {
        case Kind::Label:
            return label(c);
        case Kind::TextBox: {
            std::vector<Attribute> at { { "id", id }, { "class", classes(c) } };
            focus(at, c);
            if (c.locked)
                at.push_back({ "readonly", {} });
            at.push_back({ "aria-label", std::string(c.accessibleName) });
            at.push_back({ "style", placed(c) });
            // The parser drops one line break right after the tag: this one, never the text's.
            return element("textarea", at,
                       "\n" + escaped(layout::shownText(started_.texts.at(&c).exact)))
                + "\n";
        }
        case Kind::PictureBox: {
            // The table itself, read cell by cell, says what a description would.
            std::vector<Attribute> at { { "id", id }, { "class", classes(c) } };
            if (form_.takesFocus(c))
                at.push_back({ "tabindex", "0" });
            focus(at, c);
            at.push_back({ "role", "table" });
            at.push_back({ "aria-label", std::string(c.accessibleName) });
            at.push_back({ "style", placed(c) });
            return element("div", at, tableMarkup()) + "\n";
        }
        case Kind::ListBox: {
            const RecordedList& list = started_.lists.at(&c);
            std::string options;
            for (std::size_t i = 0; i < list.items.size(); ++i)
                options += element("option",
                    std::int16_t(i) == list.index ? std::vector<Attribute> { { "selected", {} } }
                                                  : std::vector<Attribute> {},
                    escaped(list.items[i]));
            // Every item in sight where the height is free, as in the phone column.
            std::vector<Attribute> at { { "id", id }, { "size", std::to_string(list.items.size()) },
                { "class", classes(c) }, { "autocomplete", "off" } };
            focus(at, c);
            at.push_back({ "style", placed(c) });
            return element("select", at, options) + "\n";
        }
        case Kind::CommandButton: {
            std::vector<Attribute> at { { "id", id }, { "type", "button" }, { "class", "at" } };
            focus(at, c);
            at.push_back({ "style", placed(c) });
            return element("button", at, escaped(c.caption)) + "\n";
        }
        case Kind::Frame:
            return form_.holds(c, Kind::CheckBox) ? grid(c) : options(c);
        case Kind::CheckBox:
        case Kind::OptionButton:
            break;
        }
        return {};
    }

    // A frame of option buttons: one group of radio buttons, named for a screen reader.
    std::string options(const Control& frame)
    {
        std::string buttons = "\n";
        for (const Control& c : form_.controls) {
            if (c.container != frame.id)
                continue;
            const RecordedOption& o = started_.options.at(&c);
            std::vector<Attribute> input { { "type", "radio" }, { "id", c.id.key() },
                { "name", frame.id.key() }, { "autocomplete", "off" } };
            if (o.chosen)
                input.push_back({ "checked", {} });
            focus(input, c);
            buttons
                += element("label", { { "class", "at option" }, { "style", placed(c, &frame) } },
                       element("input", input) + element("span", {}, escaped(o.text)))
                + "\n";
        }
        return element("div",
                   { { "id", frame.id.key() }, { "role", "radiogroup" }, { "class", "at options" },
                       { "aria-label", std::string(frame.accessibleName) },
                       { "style", placed(frame) } },
                   buttons)
            + "\n";
    }

    // The Punnett grid: a table of its cells, headed by the allele labels around it, named by
    // its caption.
    std::string grid(const Control& frame)
    {
        std::map<layout::Heads, std::vector<const Control*>> heads;
        std::vector<const Control*> cells;
        for (const Control& c : form_.controls) {
            if (c.of == frame.id)
                heads[c.heads].push_back(&c);
            if (c.container == frame.id && c.kind == Kind::CheckBox)
                cells.push_back(&c);
        }
        std::string columns = element("div", { { "role", "cell" } });
        for (const Control* c : heads[layout::Heads::Column])
            columns += label(*c, &frame);
        std::string rows = "\n" + element("div", { { "role", "row" } }, columns) + "\n";
        const auto& rowHeads = heads[layout::Heads::Row];
        for (std::size_t r = 0; r < rowHeads.size(); ++r) {
            std::string row = label(*rowHeads[r], &frame);
            for (std::size_t col = 0; col < 2; ++col) {
                const Control& cell = *cells.at(r * 2 + col);
                row += element("div",
                    { { "id", cell.id.key() }, { "role", "cell" },
                        { "aria-description", speech::description(cell) }, { "class", "at cell" },
                        { "style", placed(cell, &frame) } },
                    text(cell));
            }
            rows += element("div", { { "role", "row" } }, row) + "\n";
        }
        return element("div",
                   { { "id", frame.id.key() }, { "role", "table" }, { "class", "at grid" },
                       { "aria-labelledby", heads[layout::Heads::Caption].at(0)->id.key() },
                       { "style", placed(frame) } },
                   rows)
            + "\n";
    }

    // "at", and what the control's settings add to it.
    static std::string classes(const Control& c)
    {
        std::string out = "at";
        if (c.border == layout::Border::Sunken)
            out += " sunken";
        if (c.scrollBars == layout::ScrollBars::Vertical)
            out += " scrolls";
        return out;
    }

    const layout::Form& form_;
    Started started_;
    const Control* first_ = nullptr;
};

} // namespace

std::string scriptControls(const layout::Form& form)
{
    std::string out;
    for (const Control& c : form.controls)
        if (const auto event = pageEvent(c.kind))
            out += (out.empty() ? "{\"" : ",\"") + c.id.key() + "\":[\"" + std::string(event->type)
                + "\",\"" + std::string(event->handler) + "\"," + std::to_string(c.id.index) + "]";
    return out + "}";
}

FormPage writeForm(const layout::Form& form)
{
    Writer writer(form);
    return { formStyle(form), phoneStyle(form), writer.markup() };
}

} // namespace morvela::web
