// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "keyboard/Chord.h"

#include "keyboard/PolishKeyboard.h"
#include "platform/Cp1250.h"

#include <array>

namespace {

constexpr char kEnter = 13;
constexpr int kLevels = 4;
constexpr int kShiftLevel = 1;
constexpr int kRightAltLevel = 2;

std::string Utf8Of(char32_t codePoint) {
    return Cp1250ToUtf8(std::string(1, Cp1250FromUnicode(codePoint)));
}

// What a key is called: its name, or the sign it types, letters in capitals.
std::string KeyName(const KeyCap& key) {
    if (*key.name)
        return key.name;
    return Utf8Of(IsLetterKey(key) ? key.levels[kShiftLevel] : key.levels[0]);
}

std::string KeyWithFinger(int index) {
    const KeyCap& key = PolishKeyboard()[index];
    return KeyName(key) + " (" + FingerName(key.finger) + ")";
}

std::string CharacterName(char ch) {
    return ch == ' ' ? std::string("spacja") : Cp1250ToUtf8(std::string(1, ch));
}

// The letter a child types when the Polish one is meant: its shape without
// the mark.
char PlainLetterOf(char polish) {
    static const std::string plain = "acelnoszzACELNOSZZ";
    static const std::string marked = Utf8ToCp1250("ąćęłńóśźżĄĆĘŁŃÓŚŹŻ");
    const auto at = marked.find(polish);
    return at == std::string::npos ? '\0' : plain[at];
}

std::optional<Chord> SearchChordOf(char ch) {
    const char32_t wanted = UnicodeFromCp1250(static_cast<unsigned char>(ch));
    const std::vector<KeyCap>& keys = PolishKeyboard();
    for (int level = 0; level < kLevels; ++level) {
        for (int index = 0; index < static_cast<int>(keys.size()); ++index) {
            if (keys[index].levels[level] != wanted || wanted == 0)
                continue;
            Chord chord{.key = index, .rightAlt = level >= kRightAltLevel};
            if (level % 2 == kShiftLevel)
                chord.shift = IsLeftHand(keys[index].finger) ? RightShiftKey() : LeftShiftKey();
            return chord;
        }
    }
    return std::nullopt;
}

} // namespace

// The keyboard is searched once for every character: a lesson of a
// megabyte is checked character by character when it opens.
std::optional<Chord> ChordOf(char ch) {
    static const std::array<std::optional<Chord>, 256> chords = [] {
        std::array<std::optional<Chord>, 256> found;
        for (int byte = 0; byte < 256; ++byte)
            found[byte] = SearchChordOf(static_cast<char>(byte));
        return found;
    }();
    return chords[static_cast<unsigned char>(ch)];
}

ChordKeys KeysOf(const Chord& chord) {
    ChordKeys keys;
    keys.Add(chord.key);
    if (chord.shift >= 0)
        keys.Add(chord.shift);
    if (chord.rightAlt)
        keys.Add(RightAltKey());
    return keys;
}

std::string ChordKeysText(const Chord& chord) {
    std::string text;
    if (chord.shift >= 0)
        text += (chord.shift == LeftShiftKey() ? "lewy " : "prawy ") + KeyWithFinger(chord.shift) +
                " + ";
    if (chord.rightAlt)
        text += KeyWithFinger(RightAltKey()) + " + ";
    return text + KeyWithFinger(chord.key);
}

std::string NextKeyText(char ch, const std::optional<Chord>& chord) {
    if (ch == kEnter || ch == '\t')
        return ChordKeysText(*chord);
    if (!chord)
        return CharacterName(ch) + ": tego znaku nie ma na klawiaturze";
    return CharacterName(ch) + ": " + ChordKeysText(*chord);
}

std::optional<std::string> PolishLetterHint(char expected, char typed) {
    const char plain = PlainLetterOf(expected);
    if (!plain || FoldCase(typed) != FoldCase(plain))
        return std::nullopt;
    return "Pamiętaj: " + CharacterName(expected) + " to " + ChordKeysText(*ChordOf(expected)) +
           ", nie samo " + Cp1250ToUtf8(std::string(1, typed));
}

bool TakesUntaughtChord(char ch) {
    const std::optional<Chord> chord = ChordOf(ch);
    if (!chord || !chord->rightAlt)
        return false;
    const char32_t letter = UnicodeFromCp1250(static_cast<unsigned char>(FoldCase(ch)));
    return letter != PolishLetterOf(PolishKeyboard()[chord->key]);
}
