// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's list box and the generator's keep the list boxes' one rule, run by node. The page's
// is given a bare object for its <select>: the rule is kept before anything is shown.

#include "domcontrols.h"
#include "listbox_cases.h"
#include "startform.h"

#include <cstdio>

// A bare object for the <select>, held as the page holds its elements.
// clang-format off
EM_JS(int, bare_select, (), {
    var nodes = Module.nodes || (Module.nodes = []);
    return nodes.push({ length: 0, selectedIndex: -1, options: [] }) - 1;
});
// clang-format on

int main()
{
    using namespace morvela;
    int clicks = 0;
    web::DomListBox page(web::Node(bare_select()), [&clicks] { ++clicks; });
    web::RecordedList recorded;
    recorded.click = [&clicks] { ++clicks; };
    int failed = 0;
    for (auto [name, list] :
        { std::pair<const char*, ListBox*> { "page", &page }, { "generator", &recorded } })
        for (const std::string& fault : cases::listIndexFaults(*list, clicks)) {
            std::printf("FAIL: the %s's list box, %s\n", name, fault.c_str());
            ++failed;
        }
    return failed == 0 ? 0 : 1;
}
