// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The form's controls over the page's elements.

#include "controls.h"
#include "layout.h"

#include <emscripten/val.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace morvela::web {

using emscripten::val;

inline val element(const std::string& id)
{
    return val::global("document").call<val>("getElementById", id);
}

inline void setText(val node, const std::string& text)
{
    node.set("textContent", text);
}

// A list box over a <select size="4">. The form refills a list and chooses in it, at start-up
// and on every reset: that is kept here and shown on the next show(), once per action, where it
// differs from what the list shows, so that what the page was written with stays untouched.
// Assigning selectedIndex fires no event, so the form's click handler is run here, inside the
// assignment, as the form expects.
class DomListBox final : public ListBox
{
public:
    DomListBox(val select, std::function<void()> clickHandler)
        : select_(std::move(select))
        , clickHandler_(std::move(clickHandler))
        , items_(shownItems())
    {
    }
    void clear() override
    {
        items_.clear();
        index_ = -1;
        assigned_ = true;
    }
    void addItem(const std::string& text) override
    {
        items_.push_back(text);
        assigned_ = true;
    }
    std::int16_t listIndex() const override
    {
        // The pupil's choice lives in the element.
        return assigned_ ? index_ : static_cast<std::int16_t>(select_["selectedIndex"].as<int>());
    }
    std::int16_t listCount() const override { return static_cast<std::int16_t>(items_.size()); }
    std::string item(std::int16_t i) const override
    {
        return i >= 0 && i < static_cast<int>(items_.size()) ? items_[std::size_t(i)]
                                                             : std::string();
    }
    // Chooses as the pupil would, before the form's handler is run for it.
    void pick(int index) { select_.set("selectedIndex", index); }
    void show()
    {
        if (!assigned_)
            return;
        assigned_ = false;
        if (items_ != shownItems()) {
            select_.set("length", 0);
            for (const std::string& text : items_) {
                val option
                    = val::global("document").call<val>("createElement", std::string("option"));
                setText(option, text);
                select_.call<void>("appendChild", option);
            }
        }
        if (select_["selectedIndex"].as<int>() != index_)
            select_.set("selectedIndex", index_);
    }

private:
    void choose(std::int16_t index) override
    {
        index_ = index;
        assigned_ = true;
        clickHandler_();
    }

    std::vector<std::string> shownItems() const
    {
        std::vector<std::string> items;
        const int n = select_["length"].as<int>();
        for (int i = 0; i < n; ++i)
            items.push_back(select_["options"][i]["textContent"].as<std::string>());
        return items;
    }

    val select_;
    std::function<void()> clickHandler_;
    std::vector<std::string> items_;
    std::int16_t index_ = -1;
    bool assigned_ = false;
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
    void setCaption(const std::string& text) override
    {
        if (caption() != text)
            setText(node_, text);
    }

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
    // Chosen as the pupil would, before the form's handler is run for it.
    void check() { input_.set("checked", true); }
    std::string caption() const override { return caption_["textContent"].as<std::string>(); }

private:
    val input_;
    val caption_;
};

// The report box keeps the text exactly as assigned: a <textarea> turns CR LF into LF, and the
// form reads its text back to append. An assignment shows on the next show(), once per action.
class DomTextBox final : public TextBox
{
public:
    DomTextBox(val area, std::string shown)
        : area_(std::move(area))
        , text_(std::move(shown))
    {
    }
    std::string text() const override { return text_; }
    val area() const { return area_; }
    void setText(const std::string& text) override
    {
        text_ = text;
        shown_ = false;
    }
    void show()
    {
        if (shown_)
            return;
        shown_ = true;
        area_.set("value", layout::shownText(text_));
        // From the top, as a newly assigned text box shows it.
        area_.call<void>("setSelectionRange", 0, 0);
        area_.set("scrollTop", 0);
    }

private:
    val area_;
    std::string text_;
    bool shown_ = true;
};

} // namespace morvela::web
