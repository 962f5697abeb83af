// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace morvela {

// What the form needs of its controls. The window implements these over real widgets; the form
// never learns which toolkit draws them. All strings are UTF-8.

class ListBox
{
public:
    virtual ~ListBox() = default;
    virtual void clear() = 0;
    virtual void addItem(const std::string& text) = 0;
    virtual std::int16_t listIndex() const = 0;
    virtual std::int16_t listCount() const = 0;
    // An index from -1 (no selection) to the last item; any other is an error, thrown as
    // std::out_of_range before anything changes. Runs the list's click handler before returning,
    // even when the index is unchanged: start-up and the reset rely on the handler having run.
    void setListIndex(std::int16_t index)
    {
        if (index < -1 || index >= listCount())
            throw std::out_of_range("позиция " + std::to_string(index) + " не е в списъка");
        choose(index);
    }
    // The text of item i; empty for a position that holds no item, so that "no selection" (-1)
    // matches no group name.
    virtual std::string item(std::int16_t i) const = 0;

protected:
    // Chooses an index already checked, and runs the click handler.
    virtual void choose(std::int16_t index) = 0;
};

// A label or a check box: the form uses their caption only.
class CaptionControl
{
public:
    virtual ~CaptionControl() = default;
    virtual std::string caption() const = 0;
    virtual void setCaption(const std::string& text) = 0;
};

class OptionButton
{
public:
    virtual ~OptionButton() = default;
    virtual bool value() const = 0;
    virtual std::string caption() const = 0;
};

class TextBox
{
public:
    virtual ~TextBox() = default;
    // Gives back exactly what was assigned, line breaks (CR LF) included.
    virtual std::string text() const = 0;
    virtual void setText(const std::string& text) = 0;
};

} // namespace morvela
