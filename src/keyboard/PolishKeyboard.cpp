#include "keyboard/PolishKeyboard.h"

#include "platform/Cp1250.h"

#include <string_view>

namespace {

using F = Finger;

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

// The Polish (programmers) layout as Linux and Windows both give it: the US
// signs on the plain and Shift levels, the nine Polish letters with right Alt.
const std::vector<std::vector<RowKey>> kRows{
    {
        {"", 1, F::LeftLittle, {U'`', U'~'}},
        {"", 1, F::LeftLittle, {U'1', U'!'}},
        {"", 1, F::LeftRing, {U'2', U'@'}},
        {"", 1, F::LeftMiddle, {U'3', U'#'}},
        {"", 1, F::LeftIndex, {U'4', U'$'}},
        {"", 1, F::LeftIndex, {U'5', U'%'}},
        {"", 1, F::RightIndex, {U'6', U'^'}},
        {"", 1, F::RightIndex, {U'7', U'&'}},
        {"", 1, F::RightMiddle, {U'8', U'*'}},
        {"", 1, F::RightRing, {U'9', U'('}},
        {"", 1, F::RightLittle, {U'0', U')'}},
        {"", 1, F::RightLittle, {U'-', U'_'}},
        {"", 1, F::RightLittle, {U'=', U'+'}},
        {"Backspace", 2, F::RightLittle, {U'\b'}},
    },
    {
        {"Tab", 1.75, F::LeftLittle, {U'\t'}},
        {"", 1, F::LeftLittle, {U'q', U'Q'}},
        {"", 1, F::LeftRing, {U'w', U'W'}},
        {"", 1, F::LeftMiddle, {U'e', U'E', U'ę', U'Ę'}},
        {"", 1, F::LeftIndex, {U'r', U'R'}},
        {"", 1, F::LeftIndex, {U't', U'T'}},
        {"", 1, F::RightIndex, {U'y', U'Y'}},
        {"", 1, F::RightIndex, {U'u', U'U'}},
        {"", 1, F::RightMiddle, {U'i', U'I'}},
        {"", 1, F::RightRing, {U'o', U'O', U'ó', U'Ó'}},
        {"", 1, F::RightLittle, {U'p', U'P'}},
        {"", 1, F::RightLittle, {U'[', U'{'}},
        {"", 1, F::RightLittle, {U']', U'}'}},
        {"Enter", 1.25, F::RightLittle, {U'\r'}, false, 2},
    },
    {
        {"Caps Lock", 1.75, F::LeftLittle, {}},
        {"", 1, F::LeftLittle, {U'a', U'A', U'ą', U'Ą'}},
        {"", 1, F::LeftRing, {U's', U'S', U'ś', U'Ś'}},
        {"", 1, F::LeftMiddle, {U'd', U'D'}},
        {"", 1, F::LeftIndex, {U'f', U'F'}, true},
        {"", 1, F::LeftIndex, {U'g', U'G'}},
        {"", 1, F::RightIndex, {U'h', U'H'}},
        {"", 1, F::RightIndex, {U'j', U'J'}, true},
        {"", 1, F::RightMiddle, {U'k', U'K'}},
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
        {"", 1, F::LeftIndex, {U'v', U'V'}},
        {"", 1, F::LeftIndex, {U'b', U'B'}},
        {"", 1, F::RightIndex, {U'n', U'N', U'ń', U'Ń'}},
        {"", 1, F::RightIndex, {U'm', U'M'}},
        {"", 1, F::RightMiddle, {U',', U'<'}},
        {"", 1, F::RightRing, {U'.', U'>'}},
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
