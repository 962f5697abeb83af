// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the page's form at build time, from the form's description and the genetic model: every
// control at its place with its colours and caption, the table, what a screen reader is told, and
// the state after start-up, made by running the form's own start-up on controls that record it.
// The page then paints the finished form before its program has loaded.
// Each further pair of files, a template and what to write, gets the form's facts (its id, size
// and colour) in place of their markers: the site's manifest.
// Usage: generate SHELL.html OUT.html [TEMPLATE OUT]...

#include "layout.h"
#include "markup.h"
#include "pageids.h"

#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>
#include <utility>

namespace morvela::web {

namespace {

std::string read(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in)
        throw std::runtime_error(std::string("cannot read ") + path);
    return text;
}

void write(const char* path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
    if (!out.flush())
        throw std::runtime_error(std::string("cannot write ") + path);
}

// Puts the text in place of the one marker, which must stand in the shell exactly once.
void fill(std::string& shell, const std::string& marker, const std::string& text)
{
    const auto at = shell.find(marker);
    if (at == std::string::npos || shell.find(marker, at + 1) != std::string::npos)
        throw std::runtime_error("the shell must hold " + marker + " once");
    shell.replace(at, marker.size(), text);
}

// Puts each of the page's own ids in place of its marker, wherever it stands.
std::string withPageIds(std::string shell)
{
    for (const auto& [marker, id] : ids::markers)
        if (layout::replaceAll(shell, marker, id) == 0)
            throw std::runtime_error("the shell must hold " + std::string(marker));
    return shell;
}

} // namespace

} // namespace morvela::web

int main(int argc, char** argv)
{
    using namespace morvela;
    if (argc < 3 || argc % 2 == 0) {
        std::cerr << "usage: generate SHELL.html OUT.html [TEMPLATE OUT]...\n";
        return 2;
    }
    try {
        std::string shell = web::read(argv[1]);
        // A checkout with CR LF line ends gives the same page as one with LF.
        std::string lf;
        for (std::size_t i = 0; i < shell.size(); ++i)
            if (shell[i] != '\r' || i + 1 == shell.size() || shell[i + 1] != '\n')
                lf += shell[i];
        shell = std::move(lf);
        const web::FormPage form = web::writeForm(layout::mainForm());
        web::fill(shell, "@FORM_TITLE@", web::escaped(layout::mainForm().caption));
        web::fill(shell, "/* @FORM_STYLE@ */", form.style);
        web::fill(shell, "/* @FORM_PHONE@ */", form.phone);
        web::fill(shell, "<!-- @FORM@ -->\n", form.markup);
        web::fill(shell, "/* @FORM_CONTROLS@ */", web::scriptControls(layout::mainForm()));
        web::write(
            argv[2], layout::withFormFacts(web::withPageIds(std::move(shell)), layout::mainForm()));
        for (int i = 3; i + 1 < argc; i += 2)
            web::write(argv[i + 1], layout::withFormFacts(web::read(argv[i]), layout::mainForm()));
    } catch (const std::exception& e) {
        std::cerr << "generate: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
