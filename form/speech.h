// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Everything the program says in words beyond the captions laid out: what a screen reader hears
// of the controls and after each action, and the message of a handler that failed. Every face
// calls these, so that the window and the page say the same, to the character. UTF-8.

#include "layout.h"
#include "morvela.h"

#include <functional>
#include <string>

namespace morvela::speech {

// Names of the controls whose caption does not say what they are.
extern const char* const reportName;
extern const char* const pictureName;
extern const char* const optionsName;

// Where a control stands, in the words its description names; empty where it names none. An
// allele label: "Първи алел на бащата"; a grid cell: by the alleles that head its row and column;
// the table picture: read out row by row, with its figures.
std::string description(const layout::Control& control);

// What changed, as the controls now show it: after a parent's choice, after a report and after
// a reset (the clear button or an option).
std::string choice(const Controls& controls, int parent);
std::string report(const Controls& controls);
std::string reset(const Controls& controls);
// After a command button: the report where the box holds one, the cleared form where it is empty.
std::string afterCommand(const Controls& controls);

// The names of the actions a failure message names.
extern const char* const loading;
extern const char* const choosingGroup;
extern const char* const choosingAlleles;
std::string pressing(const std::string& buttonCaption);

// Runs one handler: a failure stops it where it stands. Gives back the message that says so, or
// an empty text when the handler ran to its end.
std::string attempt(const std::string& action, const std::function<void()>& handler);

} // namespace morvela::speech
