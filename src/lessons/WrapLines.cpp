// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lessons/WrapLines.h"

#include <algorithm>

void WrapLines(const StringList& source, StringList& destination) {
    for (const std::string& line : source)
        WrapLine(line, destination, kWrapWidth, kWrapSlack);
}

void WrapLine(std::string_view text, StringList& destination, size_t width, size_t slack) {
    const long widest = static_cast<long>(width);
    size_t start = 0;
    while (text.size() - start > width) {
        const std::string_view rest = text.substr(start);
        long last = FindLastBreak(kBreakCharacters, rest, widest);
        if (last < 0 || widest - last > static_cast<long>(slack))
            last = widest;
        const size_t pieceLength = static_cast<size_t>(last) + 1;
        destination.emplace_back(rest.substr(0, pieceLength));
        start += pieceLength;
    }
    // A short text stays whole, even an empty one; after the last cut only
    // text that is left makes a piece.
    if (start == 0 || start < text.size())
        destination.emplace_back(text.substr(start));
}

long FindLastBreak(std::string_view set, std::string_view text, long start) {
    for (long i = std::min(start, static_cast<long>(text.size()) - 1); i >= 0; --i)
        if (set.find(text[static_cast<size_t>(i)]) != std::string_view::npos)
            return i;
    return -1;
}
