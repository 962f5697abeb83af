// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "controls.h"

#include <array>
#include <cstdint>
#include <string>

namespace morvela {

// The control arrays that the form reads and writes, indexed as on screen.
struct Controls
{
    std::array<ListBox*, 2> List1 {};
    std::array<OptionButton*, 2> Option1 {};
    std::array<CaptionControl*, 4> Label2 {};
    std::array<CaptionControl*, 4> Check1 {};
    std::array<TextBox*, 1> Text1 {};
};

// The main form's logic: its four event handlers and the two procedures they call. It keeps no
// state beyond GroupNames; everything else is read back from the controls when needed.
//
// An error (a bad index into a control array or into GroupNames) is thrown as
// std::out_of_range and stops the running handler where it stands; whatever had been assigned
// stays. The window's event dispatch catches it.
class Morvela
{
public:
    explicit Morvela(const Controls& controls);

    void Form_Load();
    void List1_Click(std::int16_t Index);
    void Option1_Click(std::int16_t Index);
    void Command1_Click(std::int16_t Index);

private:
    void Calculate();
    void ClearForm();
    const std::string& groupName(std::int16_t index) const;

    // Five slots, not four: slot 4 is never written, and a lookup may still land on it.
    std::array<std::string, 5> GroupNames;

    std::array<ListBox*, 2> List1;
    std::array<OptionButton*, 2> Option1;
    std::array<CaptionControl*, 4> Label2;
    std::array<CaptionControl*, 4> Check1;
    std::array<TextBox*, 1> Text1;
};

} // namespace morvela
