// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The form after start-up, made by running the form's own start-up on controls that record what
// it assigns, for the page to be written with.

#include "binding.h"
#include "layout.h"
#include "morvela.h"

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace morvela::web {

using layout::Control;
using layout::Kind;

struct RecordedList final : ListBox
{
    std::vector<std::string> items;
    std::int16_t index = -1;
    std::function<void()> click;

    void clear() override
    {
        items.clear();
        index = -1;
    }
    void addItem(const std::string& text) override { items.push_back(text); }
    std::int16_t listIndex() const override { return index; }
    std::int16_t listCount() const override { return std::int16_t(items.size()); }
    void choose(std::int16_t i) override
    {
        index = i;
        click();
    }
    std::string item(std::int16_t i) const override
    {
        return i >= 0 && i < std::int16_t(items.size()) ? items[std::size_t(i)] : std::string();
    }
};

struct RecordedCaption final : CaptionControl
{
    std::string text;
    std::string caption() const override { return text; }
    void setCaption(const std::string& t) override { text = t; }
};

struct RecordedOption final : OptionButton
{
    bool chosen = false;
    std::string text;
    bool value() const override { return chosen; }
    std::string caption() const override { return text; }
};

struct RecordedText final : TextBox
{
    std::string exact;
    std::string text() const override { return exact; }
    void setText(const std::string& t) override { exact = t; }
};

// The form after start-up: each control the logic reaches, recorded.
struct Started final : ControlFactory
{
    std::map<const Control*, RecordedList> lists;
    std::map<const Control*, RecordedCaption> captions;
    std::map<const Control*, RecordedOption> options;
    std::map<const Control*, RecordedText> texts;

    explicit Started(const layout::Form& form)
    {
        Morvela morvela(bindControls(form, *this));
        for (auto& [control, list] : lists)
            list.click = [&morvela, index = control->id.index] {
                morvela.List1_Click(static_cast<std::int16_t>(index));
            };
        morvela.Form_Load();
        for (auto& [control, list] : lists)
            list.click = {};
    }

    // What a label or a check box shows after start-up.
    std::string shownCaption(const Control& c) const
    {
        const auto it = captions.find(&c);
        return it != captions.end() ? it->second.text : std::string(c.caption);
    }

    ListBox& listBox(const Control& c) override { return lists[&c]; }
    OptionButton& optionButton(const Control& c) override
    {
        RecordedOption& option = options[&c];
        option.chosen = c.value;
        option.text = c.caption;
        return option;
    }
    CaptionControl& caption(const Control& c) override
    {
        RecordedCaption& caption = captions[&c];
        caption.text = c.caption;
        return caption;
    }
    TextBox& textBox(const Control& c) override
    {
        RecordedText& text = texts[&c];
        text.exact = c.caption;
        return text;
    }
};

} // namespace morvela::web
