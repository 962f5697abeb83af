// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The texts that the window shows as laid out, UTF-8.
namespace morvela::texts {

extern const char* const publisher; // the web address that opens the caption
extern const char* const title;
extern const char* const father;
extern const char* const mother;
extern const char* const punnett;
extern const char* const heading;
extern const char* const homozygous;
extern const char* const heterozygous;
extern const char* const calculate;
extern const char* const clear;
extern const char* const introduction;

} // namespace morvela::texts
