// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lessons/ImportText.h"

#include "lessons/TextFileReader.h"

#include <utility>

void LoadImportText(const std::string& path, StringList& lines) {
    const auto text = ReadTextFile(path);
    if (!text)
        return;
    // Texts come from Windows and Linux editors and from pasting between
    // them, so CR LF, a lone CR and a lone LF each end a line; the empty
    // "line" inside CR LF is skipped with the other empty ones.
    std::string current;
    const auto endLine = [&] {
        if (!current.empty())
            lines.push_back(std::move(current));
        current.clear();
    };
    for (char c : *text) {
        if (c == '\r' || c == '\n')
            endLine();
        else
            current += c;
    }
    endLine();
}
