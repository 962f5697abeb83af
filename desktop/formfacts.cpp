// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes a file of the desktop's with the form's facts (its size, colour and id) in place of
// their markers, as the page's generator does for the site.
// Usage: formfacts TEMPLATE OUT

#include "layout.h"

#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: formfacts TEMPLATE OUT\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in) {
        std::cerr << "formfacts: cannot read " << argv[1] << '\n';
        return 1;
    }
    std::ofstream out(argv[2], std::ios::binary);
    out << morvela::layout::withFormFacts(text, morvela::layout::mainForm());
    if (!out.flush()) {
        std::cerr << "formfacts: cannot write " << argv[2] << '\n';
        return 1;
    }
    return 0;
}
