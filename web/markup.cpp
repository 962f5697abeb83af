// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "markup.h"

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

    // Desktop places are in the markup; this says what the phone column changes of them.
    std::string phone() const
    {
        std::string spans, out;
        const auto& cs = form_.controls;
        for (const Control& c : cs) {
            if (c.container != form_.id
                || (c.kind == Kind::Label && c.heads != layout::Heads::Caption))
                continue;
            // Controls side by side in one row of the form keep sharing a row.
            const bool paired = std::any_of(cs.begin(), cs.end(), [&c](const Control& o) {
                return o.id != c.id && o.container == c.container && o.top == c.top
                    && o.height == c.height && o.kind != Kind::Frame;
            });
            if (!paired)
                spans += (spans.empty() ? "" : ",") + ("#" + c.id.key());
        }
        out += spans + "{grid-column:1/-1}";
        for (const Control& c : cs) {
            const layout::Rect r = c.place();
            if (c.kind == Kind::PictureBox)
                out += "#Morvela>#" + c.id.key() + "{justify-self:center;width:" + px(r.width)
                    + "!important;height:" + px(r.height) + "!important}";
            if (c.kind == Kind::Frame && form_.holds(c, Kind::CheckBox)) {
                // The grid keeps its own layout, with room above and beside it for its heads.
                const layout::Rect heads = headsBox(c);
                out += "#Morvela>#" + c.id.key()
                    + "{position:relative;left:0!important;top:0!important;justify-self:center;"
                      "width:"
                    + px(r.width) + "!important;height:" + px(r.height)
                    + "!important;margin:" + px(r.y - heads.y) + " 0 0 " + px(r.x - heads.x) + "}";
            }
        }
        return out;
    }

    std::string style() const
    {
        const layout::Rect size = form_.size();
        const layout::Font& f = form_.font;
        // Where the face is missing, serif faces with its metrics.
        return "body{font:" + px(f.points * 96 / 72) + " \"" + std::string(f.family)
            + "\",\"Liberation Serif\",Tinos,serif}#" + form_.id.key() + "{width:" + px(size.width)
            + ";height:" + px(size.height) + ";background:" + layout::cssColour(form_.background)
            + "}";
    }

private:
    bool takesFocus(const Control& c) const
    {
        return c.tabStop
            || std::any_of(form_.controls.begin(), form_.controls.end(),
                [&c](const Control& in) { return in.container == c.id && in.tabStop; });
    }

    // The grid and the labels that head it, in form pixels.
    layout::Rect headsBox(const Control& grid) const
    {
        layout::Rect r = form_.onForm(grid);
        int right = r.x + r.width, bottom = r.y + r.height;
        for (const Control& c : form_.controls) {
            if (c.of != grid.id || c.heads == layout::Heads::Caption)
                continue;
            const layout::Rect h = form_.onForm(c);
            r.x = std::min(r.x, h.x);
            r.y = std::min(r.y, h.y);
            right = std::max(right, h.x + h.width);
            bottom = std::max(bottom, h.y + h.height);
        }
        return { r.x, r.y, right - r.x, bottom - r.y };
    }

    // The caption label that names this control, if there is one.
    std::string caption(const Control& named)
    {
        for (const Control& c : form_.controls)
            if (c.heads == layout::Heads::Caption && c.of == named.id)
                return control(c);
        return {};
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
        if (c.hasBackground)
            style += ";background:" + layout::cssColour(c.background);
        return " style=\"" + style + "\"";
    }

    std::string text(const Control& c) { return escaped(started_.captions.at(c.id.key()).text); }

    std::string label(const Control& c, const Control* within = nullptr)
    {
        const std::string id = c.id.key();
        const std::string cls
            = std::string(" class=\"at label") + (c.centred ? " centred\"" : "\"");
        if (c.heads == layout::Heads::Caption && c.of == layout::form)
            return "<h1 id=\"" + id + "\"" + cls + placed(c) + ">" + text(c) + "</h1>\n";
        if (c.heads == layout::Heads::Caption && form_.at(c.of).kind == Kind::ListBox)
            return "<label id=\"" + id + "\" for=\"" + c.of.key() + "\"" + cls + placed(c) + ">"
                + text(c) + "</label>\n";
        if (c.heads == layout::Heads::Column || c.heads == layout::Heads::Row) {
            return "<div id=\"" + id + "\" role=\""
                + (c.heads == layout::Heads::Column ? "columnheader" : "rowheader")
                + "\" aria-description=\"" + escaped(speech::alleleDescription(c.id.index)) + "\""
                + cls + placed(c, within) + ">" + text(c) + "</div>";
        }
        return "<div id=\"" + id + "\"" + cls + placed(c) + ">" + text(c) + "</div>\n";
    }

    std::string control(const Control& c)
    {
        const std::string id = c.id.key();
        switch (c.kind) {
        case Kind::Label:
            return label(c);
        case Kind::TextBox:
            // The parser drops one line break right after the tag: this one, never the text's.
            return "<textarea id=\"" + id + "\" class=\"at\" readonly aria-label=\""
                + escaped(speech::reportName) + "\"" + placed(c) + ">\n"
                + escaped(layout::shownText(started_.texts.at(id).exact)) + "</textarea>\n";
        case Kind::PictureBox:
            return "<div id=\"" + id
                + "\" class=\"at sunken\" tabindex=\"0\" role=\"table\" "
                  "aria-label=\""
                + escaped(speech::pictureName) + "\"" + placed(c) + ">" + tableMarkup()
                + "</div>\n";
        case Kind::ListBox: {
            const RecordedList& list = started_.lists.at(id);
            std::string out = "<select id=\"" + id
                + "\" size=\"4\" class=\"at\" autocomplete=\"off\"" + placed(c) + ">";
            for (std::size_t i = 0; i < list.items.size(); ++i)
                out += std::string("<option") + (std::int16_t(i) == list.index ? " selected" : "")
                    + ">" + escaped(list.items[i]) + "</option>";
            return out + "</select>\n";
        }
        case Kind::CommandButton:
            return "<button id=\"" + id + "\" type=\"button\" class=\"at\"" + placed(c) + ">"
                + escaped(c.caption) + "</button>\n";
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
        std::string out = "<div id=\"" + frame.id.key()
            + "\" role=\"radiogroup\" class=\"at options\" aria-label=\""
            + escaped(speech::optionsName) + "\"" + placed(frame) + ">\n";
        for (const Control& c : form_.controls) {
            if (c.container != frame.id)
                continue;
            const RecordedOption& o = started_.options.at(c.id.key());
            out += "<label class=\"at option\"" + placed(c, &frame) + "><input type=\"radio\" id=\""
                + c.id.key() + "\" name=\"" + frame.id.key() + "\" autocomplete=\"off\""
                + (o.chosen ? " checked" : "") + "><span>" + escaped(o.text) + "</span></label>\n";
        }
        return out + "</div>\n";
    }

    // The Punnett grid: a table of its cells, headed by the allele labels around it, named by
    // its caption.
    std::string grid(const Control& frame)
    {
        std::map<layout::Heads, std::vector<const Control*>> heads;
        std::vector<const Control*> cells;
        std::string captionId;
        for (const Control& c : form_.controls) {
            if (c.of == frame.id)
                heads[c.heads].push_back(&c);
            if (c.container == frame.id && c.kind == Kind::CheckBox)
                cells.push_back(&c);
        }
        std::string out = "<div id=\"" + frame.id.key() + "\" role=\"table\" class=\"at grid\""
            + " aria-labelledby=\"" + heads[layout::Heads::Caption].at(0)->id.key() + "\""
            + placed(frame) + ">\n<div role=\"row\"><div role=\"cell\"></div>";
        for (const Control* c : heads[layout::Heads::Column])
            out += label(*c, &frame);
        out += "</div>\n";
        const auto& rows = heads[layout::Heads::Row];
        for (std::size_t r = 0; r < rows.size(); ++r) {
            out += "<div role=\"row\">" + label(*rows[r], &frame);
            for (std::size_t col = 0; col < 2; ++col) {
                const Control& cell = *cells.at(r * 2 + col);
                out += "<div id=\"" + cell.id.key() + "\" role=\"cell\" aria-description=\""
                    + escaped(speech::cellDescription(cell.id.index)) + "\" class=\"at cell\""
                    + placed(cell, &frame) + ">" + text(cell) + "</div>";
            }
            out += "</div>\n";
        }
        return out + "</div>\n";
    }

    const layout::Form& form_;
    Started started_;
};

// Puts the text in place of the one marker, which must stand in the shell exactly once.

} // namespace

FormPage writeForm(const layout::Form& form)
{
    Writer writer(form);
    return { writer.style(), writer.phone(), writer.markup() };
}

} // namespace morvela::web
