// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the manual page from its template, with the OPTIONS section made
// from the program's own table of options. Usage: man-page TEMPLATE OUTPUT
#include "app/Options.h"

#include <fstream>
#include <iostream>
#include <iterator>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: man-page TEMPLATE OUTPUT\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    const std::string manualTemplate{std::istreambuf_iterator<char>(in), {}};
    std::ofstream out(argv[2], std::ios::binary);
    out << ManualPage(manualTemplate);
    return in && out ? 0 : 1;
}
