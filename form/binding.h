// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// From the form's description to the controls its logic reads and writes, for any face.

#include "layout.h"
#include "morvela.h"

namespace morvela {

// What a face makes over its own widget or element for a control the logic reaches. It keeps
// what it makes for as long as the form runs.
class ControlFactory
{
public:
    virtual ~ControlFactory() = default;
    virtual ListBox& listBox(const layout::Control& control) = 0;
    virtual OptionButton& optionButton(const layout::Control& control) = 0;
    // A label or a check box, of which the logic sets the caption.
    virtual CaptionControl& caption(const layout::Control& control) = 0;
    virtual TextBox& textBox(const layout::Control& control) = 0;
};

// Walks the form in tab order and asks the factory for each control of the arrays in Controls,
// placing it at its index. A form that lacks one of them, or holds one twice, is a fault of the
// description: std::logic_error.
Controls bindControls(const layout::Form& form, ControlFactory& factory);

} // namespace morvela
