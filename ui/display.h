// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace morvela {

// Starting on a display. Where there may be none (Linux), without any the program says so in one
// line instead of loading Qt; and while QApplication starts, Qt's messages are held back, so that
// a display that cannot be opened is one clear line and exit status 1, not Qt's abort.

// True, after saying so, when no display at all is named.
bool displayMissing();
// Call before and after constructing QApplication.
void holdStartupMessages();
void letHeldMessagesThrough();

} // namespace morvela
