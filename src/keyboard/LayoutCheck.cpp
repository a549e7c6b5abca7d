// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "keyboard/LayoutCheck.h"

#include "keyboard/Chord.h"
#include "keyboard/PolishKeyboard.h"

#include <algorithm>
#include <array>

namespace {

// Variants of the Polish XKB layout that type another alphabet.
constexpr std::array<std::string_view, 2> kOtherAlphabets{"pl(ru_phonetic_dvorak)",
                                                          "pl(glagolica)"};

} // namespace

bool IsPolishLetter(char ch) {
    const std::optional<Chord> chord = ChordOf(ch);
    return chord && chord->rightAlt && PolishLetterOf(PolishKeyboard()[chord->key]) != 0;
}

bool HasPolishLetters(const StringList& lines) {
    return std::any_of(lines.begin(), lines.end(), [](const std::string& line) {
        return std::any_of(line.begin(), line.end(), IsPolishLetter);
    });
}

// An XKB variant stands in brackets after the layout, a locale's country
// after an underscore (or a hyphen, as BCP 47 writes it).
bool TypesPolishLetters(std::string_view layout) {
    const std::string_view language = layout.substr(0, layout.find_first_of("(_-"));
    return language == "pl" && std::find(kOtherAlphabets.begin(), kOtherAlphabets.end(), layout) ==
                                   kOtherAlphabets.end();
}

std::optional<std::string> PolishLayoutWarning(const std::optional<std::string>& activeLayout) {
    if (!activeLayout || TypesPolishLetters(*activeLayout))
        return std::nullopt;
    return std::string(kPolishLayoutWarning);
}
