// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The form's controls over the page's elements.

#include "controls.h"
#include "layout.h"

#include <emscripten/em_js.h>

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

// The few calls the program makes into the page, each a line of JavaScript: a general binding
// made the runtime's script, which the page reads before the program starts, nearly three times
// as long. An element is held as its place in a table that the page's script keeps, once however
// often it is asked for.
// clang-format off
EM_JS_DEPS(morvela_dom, "$stringToNewUTF8,$UTF8ToString");
EM_JS(int, morvela_held, (const char* id, int sibling), {
    var nodes = Module.nodes || (Module.nodes = []);
    var node = sibling < 0 ? document.getElementById(UTF8ToString(id))
                           : nodes[sibling].nextElementSibling;
    var i = nodes.indexOf(node);
    return i < 0 ? nodes.push(node) - 1 : i;
});
EM_JS(char*, morvela_get, (int node, const char* property), {
    return stringToNewUTF8(String(Module.nodes[node][UTF8ToString(property)]));
});
EM_JS(double, morvela_number, (int node, const char* property), {
    return +Module.nodes[node][UTF8ToString(property)];
});
EM_JS(void, morvela_set, (int node, const char* property, const char* value), {
    Module.nodes[node][UTF8ToString(property)] = UTF8ToString(value);
});
// A flag (checked, hidden) takes the number as true or false, as the DOM converts it.
EM_JS(void, morvela_set_number, (int node, const char* property, double value), {
    Module.nodes[node][UTF8ToString(property)] = value;
});
EM_JS(char*, morvela_item, (int node, int i), {
    return stringToNewUTF8(Module.nodes[node].options[i].textContent);
});
EM_JS(void, morvela_add_item, (int node, const char* text), {
    var option = document.createElement("option");
    option.textContent = UTF8ToString(text);
    Module.nodes[node].appendChild(option);
});
EM_JS(void, morvela_show_text, (int node, const char* text), {
    var area = Module.nodes[node];
    area.value = UTF8ToString(text);
    area.setSelectionRange(0, 0);
    area.scrollTop = 0;
});
// clang-format on

namespace morvela::web {

namespace detail {
inline std::string taken(char* text)
{
    std::string s(text);
    std::free(text);
    return s;
}
} // namespace detail

// An element of the page.
class Node
{
public:
    explicit Node(int handle)
        : handle_(handle)
    {
    }
    int handle() const { return handle_; }
    Node next() const { return Node(morvela_held(nullptr, handle_)); }
    std::string text(const char* property) const
    {
        return detail::taken(morvela_get(handle_, property));
    }
    double number(const char* property) const { return morvela_number(handle_, property); }
    bool flag(const char* property) const { return number(property) != 0; }
    void set(const char* property, const std::string& value) const
    {
        morvela_set(handle_, property, value.c_str());
    }
    void set(const char* property, double value) const
    {
        morvela_set_number(handle_, property, value);
    }

private:
    int handle_;
};

inline Node element(const std::string& id)
{
    return Node(morvela_held(id.c_str(), -1));
}

inline void setText(const Node& node, const std::string& text)
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
    DomListBox(Node select, std::function<void()> clickHandler)
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
        return assigned_ ? index_ : static_cast<std::int16_t>(select_.number("selectedIndex"));
    }
    std::int16_t listCount() const override { return static_cast<std::int16_t>(items_.size()); }
    std::string item(std::int16_t i) const override
    {
        return i >= 0 && i < static_cast<int>(items_.size()) ? items_[std::size_t(i)]
                                                             : std::string();
    }
    // Chooses as the pupil would, before the form's handler is run for it.
    void pick(int index) { select_.set("selectedIndex", double(index)); }
    void show()
    {
        if (!assigned_)
            return;
        assigned_ = false;
        if (items_ != shownItems()) {
            select_.set("length", 0.0);
            for (const std::string& text : items_)
                morvela_add_item(select_.handle(), text.c_str());
        }
        if (select_.number("selectedIndex") != index_)
            select_.set("selectedIndex", double(index_));
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
        const int n = int(select_.number("length"));
        for (int i = 0; i < n; ++i)
            items.push_back(detail::taken(morvela_item(select_.handle(), i)));
        return items;
    }

    Node select_;
    std::function<void()> clickHandler_;
    std::vector<std::string> items_;
    std::int16_t index_ = -1;
    bool assigned_ = false;
};

// An allele label or a grid cell: the element's text.
class DomCaption final : public CaptionControl
{
public:
    explicit DomCaption(Node node)
        : node_(std::move(node))
    {
    }
    std::string caption() const override { return node_.text("textContent"); }
    void setCaption(const std::string& text) override
    {
        if (caption() != text)
            setText(node_, text);
    }

private:
    Node node_;
};

// A radio button and the caption beside it.
class DomOptionButton final : public OptionButton
{
public:
    DomOptionButton(Node input, Node caption)
        : input_(std::move(input))
        , caption_(std::move(caption))
    {
    }
    bool value() const override { return input_.flag("checked"); }
    // Chosen as the pupil would, before the form's handler is run for it.
    void check() { input_.set("checked", 1.0); }
    std::string caption() const override { return caption_.text("textContent"); }

private:
    Node input_;
    Node caption_;
};

// The report box keeps the text exactly as assigned: a <textarea> turns CR LF into LF, and the
// form reads its text back to append. An assignment shows on the next show(), once per action.
class DomTextBox final : public TextBox
{
public:
    DomTextBox(Node area, std::string shown)
        : area_(std::move(area))
        , text_(std::move(shown))
    {
    }
    std::string text() const override { return text_; }
    Node area() const { return area_; }
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
        // From the top, as a newly assigned text box shows it.
        morvela_show_text(area_.handle(), layout::shownText(text_).c_str());
    }

private:
    Node area_;
    std::string text_;
    bool shown_ = true;
};

} // namespace morvela::web
