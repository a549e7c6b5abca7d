// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lessons/RandomText.h"

std::string GenerateRandomText(std::string_view characters, long groupLength, long groupCount,
                               std::string_view separator, RandomEngine& engine) {
    std::string line;
    const long drawsPerGroup = characters.empty() ? 0 : groupLength;
    std::uniform_int_distribution<size_t> draw(0, characters.empty() ? 0 : characters.size() - 1);
    for (long group = 0; group < groupCount; ++group) {
        if (group > 0)
            line += separator;
        for (long i = 0; i < drawsPerGroup; ++i)
            line += characters[draw(engine)];
    }
    return line;
}
