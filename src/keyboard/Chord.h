// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <optional>
#include <string>

// The keys held together to type one character: the key itself, Shift on
// the other hand's side for the Shift levels, right Alt for the AltGr levels.
struct Chord {
    int key = -1;   // index into PolishKeyboard()
    int shift = -1; // the Shift key to hold, or -1
    bool rightAlt = false;

    bool operator==(const Chord&) const = default;
};

// The chord that types a Windows-1250 character (13 for Enter, 9 for Tab),
// at the lowest level that gives it; nothing when no key gives it.
std::optional<Chord> ChordOf(char ch);

// The keys a chord holds down, the key itself first. The keyboard asks for
// them at every keystroke, so they are held in place, never on the heap.
class ChordKeys {
public:
    void Add(int key) { m_keys[m_count++] = key; }
    const int* begin() const { return m_keys.data(); }
    const int* end() const { return m_keys.data() + m_count; }

private:
    std::array<int, 3> m_keys{};
    int m_count = 0;
};
ChordKeys KeysOf(const Chord& chord);

// True for a character typed with right Alt that is not the Polish letter
// of its key (nor its capital): „ ” – … € and the like, which no lesson of
// the course teaches.
bool TakesUntaughtChord(char ch);

// The keys of a chord in Polish for a child (UTF-8), each with its finger:
// "prawy Alt (prawy kciuk) + A (lewy mały palec)".
std::string ChordKeysText(const Chord& chord);

// What the line under the keyboard says of the character expected next,
// given its chord (ChordOf): "ą: prawy Alt (prawy kciuk) + A (lewy mały
// palec)", "Enter (prawy mały palec)" at the end of a line, and a notice for
// a character no key gives.
std::string NextKeyText(char ch, const std::optional<Chord>& chord);

// When the pupil typed the plain letter where a Polish letter was expected
// (a for ą, z for ż or ź), how to type the Polish letter; nothing otherwise.
std::optional<std::string> PolishLetterHint(char expected, char typed);
