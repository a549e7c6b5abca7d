// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "keyboard/PolishKeyboard.h"

#include "platform/Cp1250.h"

#include <string_view>

namespace {

using F = Finger;

constexpr int kAltGrLevel = 2;

// One key of a row as the table below lists it; its x follows from the keys
// before it in the row.
struct RowKey {
    const char* name;
    double width;
    Finger finger;
    std::array<char32_t, 4> levels;
    bool homeBump = false;
    int rows = 1;
};

// The Polish (programmers) layout as Linux gives it (XKB "pl"): the US signs
// on the plain and Shift levels; with right Alt the nine Polish letters and
// the signs of print („ ” – … € § °), among others. Dead keys stand as 0:
// they type nothing by themselves. The space bar's non-breaking space is
// left out: it looks like a space, so a lesson that holds one is reported
// by the lesson check instead of taught.
const std::vector<std::vector<RowKey>> kRows{
    {
        {"", 1, F::LeftLittle, {U'`', U'~', U'¬', U'∨'}},
        {"", 1, F::LeftLittle, {U'1', U'!', U'≠', U'¡'}},
        {"", 1, F::LeftRing, {U'2', U'@', U'²', U'¿'}},
        {"", 1, F::LeftMiddle, {U'3', U'#', U'³', U'£'}},
        {"", 1, F::LeftIndex, {U'4', U'$', U'¢', U'¼'}},
        {"", 1, F::LeftIndex, {U'5', U'%', U'€', U'‰'}},
        {"", 1, F::RightIndex, {U'6', U'^', U'½', U'∧'}},
        {"", 1, F::RightIndex, {U'7', U'&', U'§', U'≈'}},
        {"", 1, F::RightMiddle, {U'8', U'*', U'·', U'¾'}},
        {"", 1, F::RightRing, {U'9', U'(', U'«', U'±'}},
        {"", 1, F::RightLittle, {U'0', U')', U'»', U'°'}},
        {"", 1, F::RightLittle, {U'-', U'_', U'–', U'—'}},
        {"", 1, F::RightLittle, {U'=', U'+'}},
        {"Backspace", 2, F::RightLittle, {U'\b'}},
    },
    {
        {"Tab", 1.75, F::LeftLittle, {U'\t'}},
        {"", 1, F::LeftLittle, {U'q', U'Q', U'π', U'Ω'}},
        {"", 1, F::LeftRing, {U'w', U'W', U'œ', U'Œ'}},
        {"", 1, F::LeftMiddle, {U'e', U'E', U'ę', U'Ę'}},
        {"", 1, F::LeftIndex, {U'r', U'R', U'©', U'®'}},
        {"", 1, F::LeftIndex, {U't', U'T', U'ß', U'™'}},
        {"", 1, F::RightIndex, {U'y', U'Y', U'←', U'¥'}},
        {"", 1, F::RightIndex, {U'u', U'U', U'↓', U'↑'}},
        {"", 1, F::RightMiddle, {U'i', U'I', U'→', U'↔'}},
        {"", 1, F::RightRing, {U'o', U'O', U'ó', U'Ó'}},
        {"", 1, F::RightLittle, {U'p', U'P', U'þ', U'Þ'}},
        {"", 1, F::RightLittle, {U'[', U'{'}},
        {"", 1, F::RightLittle, {U']', U'}'}},
        {"Enter", 1.25, F::RightLittle, {U'\r'}, false, 2},
    },
    {
        {"Caps Lock", 1.75, F::LeftLittle, {}},
        {"", 1, F::LeftLittle, {U'a', U'A', U'ą', U'Ą'}},
        {"", 1, F::LeftRing, {U's', U'S', U'ś', U'Ś'}},
        {"", 1, F::LeftMiddle, {U'd', U'D', U'ð', U'Ð'}},
        {"", 1, F::LeftIndex, {U'f', U'F', U'æ', U'Æ'}, true},
        {"", 1, F::LeftIndex, {U'g', U'G', U'ŋ', U'Ŋ'}},
        {"", 1, F::RightIndex, {U'h', U'H', U'’', U'•'}},
        {"", 1, F::RightIndex, {U'j', U'J', U'ə', U'Ə'}, true},
        {"", 1, F::RightMiddle, {U'k', U'K', U'…'}},
        {"", 1, F::RightRing, {U'l', U'L', U'ł', U'Ł'}},
        {"", 1, F::RightLittle, {U';', U':'}},
        {"", 1, F::RightLittle, {U'\'', U'"'}},
        {"", 1, F::RightLittle, {U'\\', U'|'}},
    },
    {
        {"Shift", 1.25, F::LeftLittle, {}},
        // The extra key of the 105-key keyboard differs between systems.
        {"", 1, F::LeftLittle, {}},
        {"", 1, F::LeftLittle, {U'z', U'Z', U'ż', U'Ż'}},
        {"", 1, F::LeftRing, {U'x', U'X', U'ź', U'Ź'}},
        {"", 1, F::LeftMiddle, {U'c', U'C', U'ć', U'Ć'}},
        {"", 1, F::LeftIndex, {U'v', U'V', U'„', U'‘'}},
        {"", 1, F::LeftIndex, {U'b', U'B', U'”', U'“'}},
        {"", 1, F::RightIndex, {U'n', U'N', U'ń', U'Ń'}},
        {"", 1, F::RightIndex, {U'm', U'M', U'µ', U'∞'}},
        {"", 1, F::RightMiddle, {U',', U'<', U'≤', U'×'}},
        {"", 1, F::RightRing, {U'.', U'>', U'≥', U'÷'}},
        {"", 1, F::RightLittle, {U'/', U'?'}},
        {"Shift", 2.75, F::RightLittle, {}},
    },
    {
        {"Ctrl", 1.25, F::LeftLittle, {}},
        {"", 1.25, F::None, {}},
        {"Alt", 1.25, F::LeftThumb, {}},
        {"Spacja", 6.25, F::Thumb, {U' ', U' '}},
        {"prawy Alt", 1.25, F::RightThumb, {}},
        {"", 1.25, F::None, {}},
        {"", 1.25, F::None, {}},
        {"Ctrl", 1.25, F::RightLittle, {}},
    },
};

std::vector<KeyCap> BuildKeyboard() {
    std::vector<KeyCap> keys;
    for (size_t row = 0; row < kRows.size(); ++row) {
        double x = 0;
        for (const RowKey& key : kRows[row]) {
            keys.push_back({key.name, x, key.width, static_cast<int>(row), key.rows, key.finger,
                            key.levels, key.homeBump});
            x += key.width;
        }
    }
    return keys;
}

int IndexOfNamedKey(std::string_view name, int row, bool rightmost) {
    const std::vector<KeyCap>& keys = PolishKeyboard();
    int found = -1;
    for (int index = 0; index < static_cast<int>(keys.size()); ++index)
        if (keys[index].row == row && keys[index].name == name && (found < 0 || rightmost))
            found = index;
    return found;
}

} // namespace

const std::vector<KeyCap>& PolishKeyboard() {
    static const std::vector<KeyCap> keys = BuildKeyboard();
    return keys;
}

bool IsLetterKey(const KeyCap& key) {
    const char plain = Cp1250FromUnicode(key.levels[0]);
    const char shifted = Cp1250FromUnicode(key.levels[1]);
    return plain != shifted && FoldCase(shifted) == plain;
}

char32_t PolishLetterOf(const KeyCap& key) {
    constexpr std::u32string_view kPolishLetters = U"ąćęłńóśźż";
    const char32_t altGr = key.levels[kAltGrLevel];
    return kPolishLetters.find(altGr) == std::u32string_view::npos ? 0 : altGr;
}

int LeftShiftKey() {
    static const int index = IndexOfNamedKey("Shift", 3, false);
    return index;
}

int RightShiftKey() {
    static const int index = IndexOfNamedKey("Shift", 3, true);
    return index;
}

int RightAltKey() {
    static const int index = IndexOfNamedKey("prawy Alt", 4, false);
    return index;
}

int CapsLockKey() {
    static const int index = IndexOfNamedKey("Caps Lock", 2, false);
    return index;
}
