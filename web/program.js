// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's module, in base64, written in by embed.py once the linker has made it: the page
// compiles it itself (its instantiateWasm), at once where the engine allows.
Module.program = "@PROGRAM@";
