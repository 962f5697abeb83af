// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's style drawn from the form's description: the form's size, colour and font, and what
// the phone column changes of the places that the markup gives each control.

#include "markup.h"

#include "pageids.h"
#include "tabletext.h"

#include <algorithm>

namespace morvela::web {

namespace {

using layout::Control;
using Kind = layout::Kind;

// The grid and the labels that head it, in form pixels.
layout::Rect headsBox(const layout::Form& form, const layout::Control& grid)
{
    layout::Rect r = form.onForm(grid);
    int right = r.x + r.width, bottom = r.y + r.height;
    for (const Control& c : form.controls) {
        if (c.of != grid.id || c.heads == layout::Heads::Caption)
            continue;
        const layout::Rect h = form.onForm(c);
        r.x = std::min(r.x, h.x);
        r.y = std::min(r.y, h.y);
        right = std::max(right, h.x + h.width);
        bottom = std::max(bottom, h.y + h.height);
    }
    return { r.x, r.y, right - r.x, bottom - r.y };
}

} // namespace

// Desktop places are in the markup; this says what the phone column changes of them.
std::string phoneStyle(const layout::Form& form)
{
    std::string spans, out;
    const auto& cs = form.controls;
    for (const Control& c : cs) {
        if (c.container != form.id || (c.kind == Kind::Label && c.heads != layout::Heads::Caption))
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
        if (c.kind == Kind::PictureBox) {
            // The table drawn larger, with its text at a size read without zooming; the frame
            // around it as it is.
            using namespace genetics::table;
            const std::string larger
                = "*" + std::to_string(legiblePixels) + "/" + std::to_string(textPixels);
            out += "#" + form.id.key() + ">#" + c.id.key() + "{justify-self:center;width:calc("
                + px(tableWidth) + larger + " + " + px(r.width - tableWidth)
                + ")!important;height:calc(" + px(tableHeight) + larger + " + "
                + px(r.height - tableHeight) + ")!important}#" + std::string(ids::table)
                + "{--u:calc(1px" + larger + ");font-size:" + px(legiblePixels) + "}";
        }
        if (c.kind == Kind::Frame && form.holds(c, Kind::CheckBox)) {
            // The grid keeps its own layout, with room above and beside it for its heads.
            const layout::Rect heads = headsBox(form, c);
            out += "#" + form.id.key() + ">#" + c.id.key()
                + "{position:relative;left:0!important;top:0!important;justify-self:center;"
                  "width:"
                + px(r.width) + "!important;height:" + px(r.height)
                + "!important;margin:" + px(r.y - heads.y) + " 0 0 " + px(r.x - heads.x) + "}";
        }
    }
    return out;
}

std::string formStyle(const layout::Form& form)
{
    const layout::Rect size = form.size();
    const layout::Font& f = form.font;
    // Where the face is missing, serif faces with its metrics.
    return "body{font:" + px(f.points * 96 / 72) + " \"" + std::string(f.family)
        + "\",\"Liberation Serif\",Tinos,serif}#" + form.id.key() + "{width:" + px(size.width)
        + ";height:" + px(size.height) + ";background:" + layout::cssColour(form.background) + "}";
}

} // namespace morvela::web
