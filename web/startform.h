// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The form after start-up, made by running the form's own start-up on controls that record what
// it assigns, for the page to be written with.

#include "layout.h"
#include "morvela.h"

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
    void setListIndex(std::int16_t i) override
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

// The form after start-up.
struct Started
{
    std::map<std::string, RecordedList> lists;
    std::map<std::string, RecordedCaption> captions;
    std::map<std::string, RecordedOption> options;
    std::map<std::string, RecordedText> texts;

    explicit Started(const layout::Form& form)
    {
        for (const Control& c : form.controls) {
            const std::string key = c.id.key();
            if (c.kind == Kind::ListBox)
                lists[key].items.assign(c.items.begin(), c.items.end());
            else if (c.kind == Kind::OptionButton) {
                options[key].chosen = c.value;
                options[key].text = c.caption;
            } else if (c.kind == Kind::TextBox)
                texts[key].exact = c.caption;
            else if (c.kind == Kind::Label || c.kind == Kind::CheckBox)
                captions[key].text = c.caption;
        }
        Controls controls;
        const auto key = [](const char* name, int i) { return layout::Id { name, i }.key(); };
        for (int i = 0; i < 2; ++i) {
            controls.List1[i] = &lists.at(key("List1", i));
            controls.Option1[i] = &options.at(key("Option1", i));
        }
        for (int i = 0; i < 4; ++i) {
            controls.Label2[i] = &captions.at(key("Label2", i));
            controls.Check1[i] = &captions.at(key("Check1", i));
        }
        controls.Text1[0] = &texts.at(key("Text1", 0));
        Morvela morvela(controls);
        for (int i = 0; i < 2; ++i)
            lists.at(key("List1", i)).click
                = [&morvela, i] { morvela.List1_Click(static_cast<std::int16_t>(i)); };
        morvela.Form_Load();
        for (auto& [key, list] : lists)
            list.click = {};
    }
};

} // namespace morvela::web
