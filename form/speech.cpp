// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "speech.h"

#include "member.h"
#include "tabletext.h"

#include <exception>

namespace morvela::speech {

const char* const reportName = "Пояснения и резултат";
const char* const pictureName = "Таблица: кръвни групи на децата според родителите";
const char* const optionsName = "Алели при кръвна група A или B";

const char* const loading = "Зареждането на прозореца";
const char* const choosingGroup = "Изборът на кръвна група";
const char* const choosingAlleles = "Изборът на алели";

namespace {

const char* const ordinals[] = { "Първи", "Втори" };
const char* const parents[] = { "бащата", "майката" };

// The first letter in lower case, for a Cyrillic capital (U+0410 to U+042F) at the start: the
// ordinals above, inside a sentence.
std::string lowerInitial(std::string s)
{
    const auto lead = static_cast<unsigned char>(s.size() > 1 ? s[0] : 0);
    const auto next = static_cast<unsigned char>(s.size() > 1 ? s[1] : 0);
    if (lead == 0xD0 && next >= 0x90 && next <= 0x9F)
        s[1] = static_cast<char>(next + 0x20);
    else if (lead == 0xD0 && next >= 0xA0 && next <= 0xAF) {
        s[0] = static_cast<char>(0xD1);
        s[1] = static_cast<char>(next - 0x20);
    }
    return s;
}

std::string joined(const std::array<CaptionControl*, 4>& controls, int from, int count,
    const std::string& separator)
{
    std::string out;
    for (int i = from; i < from + count; ++i)
        out += (i > from ? separator : std::string()) + member(controls, std::int16_t(i)).caption();
    return out;
}

std::string alleleDescription(int label)
{
    return std::string(ordinals[label % 2]) + " алел на " + parents[(label / 2) % 2];
}

std::string cellDescription(int cell)
{
    const int row = cell / 2 % 2, column = cell % 2;
    return "Решетка на Пънет, ред " + std::to_string(row + 1) + " ("
        + lowerInitial(alleleDescription(2 + row)) + "), колона " + std::to_string(column + 1)
        + " (" + lowerInitial(alleleDescription(column)) + ")";
}

std::string tableDescription()
{
    std::string out;
    for (const genetics::TableRow& row : genetics::tableRows()) {
        std::string children;
        for (std::size_t c = 0; c < row.cells.size(); ++c)
            if (!row.cells[c].empty())
                children += (children.empty() ? "" : ", ")
                    + std::string(genetics::groups[genetics::tableColumns[c]]) + " – "
                    + row.cells[c];
        out += (out.empty() ? "" : " ") + ("Родители " + row.parents + ": деца " + children + ".");
    }
    return out;
}

} // namespace

std::string description(const layout::Control& control)
{
    switch (control.described) {
    case layout::Described::Allele:
        return alleleDescription(control.id.index);
    case layout::Described::Cell:
        return cellDescription(control.id.index);
    case layout::Described::Table:
        return tableDescription();
    case layout::Described::Nothing:
        break;
    }
    return {};
}

std::string choice(const Controls& controls, int parent)
{
    const auto index = static_cast<std::int16_t>(parent);
    const ListBox& list = member(controls.List1, index);
    return std::string(parent == 0 ? "Баща" : "Майка") + ", група " + list.item(list.listIndex())
        + ": алели " + joined(controls.Label2, 2 * parent, 2, " и ")
        + ". Решетка на Пънет: " + joined(controls.Check1, 0, 4, ", ") + ".";
}

std::string report(const Controls& controls)
{
    // The heading and the result line: the last two lines that are not empty, as the box shows
    // them.
    const std::string text = member(controls.Text1, 0).text();
    std::string last, beforeLast;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos)
            end = text.size();
        if (end > start) {
            beforeLast = last;
            last = text.substr(start, end - start);
        }
        start = end + 2;
    }
    return beforeLast.empty() ? last : beforeLast + " " + last;
}

std::string afterCommand(const Controls& controls)
{
    return member(controls.Text1, 0).text().empty() ? reset(controls) : report(controls);
}

std::string reset(const Controls& controls)
{
    const OptionButton& chosen = member(controls.Option1, 0).value() ? member(controls.Option1, 0)
                                                                     : member(controls.Option1, 1);
    return chosen.caption()
        + ". Формата е изчистена: двамата родители са с група 0, алелите са 0 и 0, отчетът е "
          "празен.";
}

std::string pressing(const std::string& buttonCaption)
{
    return "Бутонът „" + buttonCaption + "“";
}

std::string attempt(const std::string& action, const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const std::exception& error) {
        return action + " не завърши: " + error.what() + ". Прозорецът продължава да работи.";
    } catch (...) {
        return action + " не завърши поради неизвестна грешка. Прозорецът продължава да работи.";
    }
    return {};
}

} // namespace morvela::speech
