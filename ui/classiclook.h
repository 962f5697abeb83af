// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

namespace morvela {

// Gives the window the classic desktop look that its layout was drawn against: Qt's Windows
// style, the light system colours under a dark desktop theme too, and a list's chosen item kept
// on the highlight when the list has no focus.
void keepClassicLook(QWidget* window);

} // namespace morvela
