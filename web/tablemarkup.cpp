// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "markup.h"

#include "pageids.h"
#include "tabletext.h"

#include <string>
#include <utility>
#include <vector>

namespace morvela::web {

std::string escaped(std::string_view text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string element(
    std::string_view tag, const std::vector<Attribute>& attributes, const std::string& content)
{
    std::string out = "<" + std::string(tag);
    for (const Attribute& a : attributes)
        out += " " + std::string(a.name) + (a.value ? "=\"" + escaped(*a.value) + "\"" : "");
    out += ">";
    if (tag == "input")
        return out;
    return out + content + "</" + std::string(tag) + ">";
}

std::string px(int n)
{
    return std::to_string(n) + "px";
}

std::string box(const layout::Rect& r)
{
    return "left:" + px(r.x) + ";top:" + px(r.y) + ";width:" + px(r.width)
        + ";height:" + px(r.height);
}

// The table of parents' pairs and their children's chances, from the genetic model, at the
// picture's layout and colours, read by a screen reader cell by cell.
std::string tableMarkup()
{
    using namespace genetics;
    using namespace genetics::table;
    std::string out;
    const auto cell = [&out](const char* role, int column, int line, int columns, int lines,
                          unsigned colour, const std::string& text) {
        const int left = columnEdge(column), top = rowEdge(line);
        std::vector<Attribute> at { { "role", role } };
        if (columns > 1)
            at.push_back({ "aria-colspan", std::to_string(columns) });
        if (lines > 1)
            at.push_back({ "aria-rowspan", std::to_string(lines) });
        at.push_back({ "class", "t" });
        // In the table's own pixels, which the style turns into the page's.
        at.push_back({ "style",
            "--x:" + std::to_string(left) + ";--y:" + std::to_string(top)
                + ";--w:" + std::to_string(columnEdge(column + columns) - left)
                + ";--h:" + std::to_string(rowEdge(line + lines) - top)
                + ";background:" + layout::cssColour(colour) });
        out += element("div", at, escaped(text));
    };
    cell("columnheader", 0, 0, 1, 2, salmon, "Родители");
    cell("columnheader", 1, 0, 4, 1, salmon, "Деца");
    std::string head = std::exchange(out, {});
    for (int c = 0; c < 4; ++c)
        cell("columnheader", 1 + c, 1, 1, 1, columnPink, groups[tableColumns[c]]);
    std::string rowsMarkup = element("div", { { "role", "row" } }, head)
        + element("div", { { "role", "row" } }, std::exchange(out, {}));
    const auto rows = tableRows();
    for (int r = 0; r < bodyRows; ++r) {
        cell("rowheader", 0, headerRows + r, 1, 1, pink, rows[r].parents);
        for (int c = 0; c < 4; ++c)
            cell("cell", 1 + c, headerRows + r, 1, 1, lightPink, rows[r].cells[c]);
        rowsMarkup += element("div", { { "role", "row" } }, std::exchange(out, {}));
    }
    return element("div", { { "class", "inner" }, { "id", std::string(ids::table) } }, rowsMarkup);
}

} // namespace morvela::web
