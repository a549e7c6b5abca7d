// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>
#include <vector>

// The profile format of lesson files, read the way a teacher writing one by
// hand expects:
// - "[name]" opens a section; a section written twice counts as one;
// - "key=value" lines make its entries; other lines in a section are ignored,
//   as is everything before the first section;
// - lines starting with ';' or '#' (after white space) are comments;
// - white space around section names, key names and values is dropped, then
//   one pair of double or single quotes around a value, so that quotes can
//   keep spaces at its ends;
// - section names are compared without regard to letter case (Polish letters
//   too);
// - a key written more than once keeps every value, in file order;
// - lines end with CR LF, LF or CR.
// Text is Windows-1250.

struct ProfileEntry {
    std::string key;
    std::string value;
    int line = 0;   // the file's line the entry stands on, from 1
    int column = 0; // where its value starts in that line, from 1
};

// The entries of one section in file order; empty when the section is absent.
std::vector<ProfileEntry> ReadProfileSection(std::string_view text, std::string_view section);
