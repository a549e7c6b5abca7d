// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ComposeChoice.h"

#include <algorithm>
#include <cctype>

namespace {

bool SameLetters(std::string_view a, std::string_view b) {
    return std::ranges::equal(
        a, b, [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

} // namespace

bool UsesQtComposeInput(std::optional<std::string_view> imModule) {
    if (!imModule)
        return true;
    // Qt takes the name before a colon; what follows are the module's options.
    const std::string_view name = imModule->substr(0, imModule->find(':'));
    return SameLetters(name, "compose") || SameLetters(name, "xim");
}
