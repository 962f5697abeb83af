// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "layout.h"

class QWidget;

namespace morvela {

// Makes the form on the window from its description: the window's size, colour and font, then
// every control at its place with its caption and colours, named by its key ("List1_0"), in the
// tab order, the focus on the first that takes it.
void buildForm(QWidget* window, const layout::Form& form);

} // namespace morvela
