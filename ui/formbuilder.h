// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "layout.h"

#include <map>

class QWidget;

namespace morvela {

// Each control of the form and the widget made for it.
using FormWidgets = std::map<const layout::Control*, QWidget*>;

// Makes the form on the window from its description: the window's title, border, size, colour
// and font, then every control at its place with its caption, colours and settings, named by its
// key ("List1_0"), in the tab order, the focus on the first that takes it.
FormWidgets buildForm(QWidget* window, const layout::Form& form);

} // namespace morvela
