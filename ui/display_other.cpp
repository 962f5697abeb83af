// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the platform always has a display: nothing to guard.

#include "display.h"

namespace morvela {

bool displayMissing()
{
    return false;
}

void holdStartupMessages() { }

void letHeldMessagesThrough() { }

} // namespace morvela
