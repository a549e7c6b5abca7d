// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/ProgramFolders.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The school word list: common Polish words in small letters, most common
// first (Windows-1250), indexed by the characters they hold.
class CWordList {
public:
    explicit CWordList(std::vector<std::string> words);

    const std::vector<std::string>& Words() const { return m_words; }
    // The indexes of the words that hold ch, most common first.
    const std::vector<uint32_t>& WordsWith(char ch) const {
        return m_byCharacter[static_cast<unsigned char>(ch)];
    }

private:
    std::vector<std::string> m_words;
    std::array<std::vector<uint32_t>, 256> m_byCharacter;
};

// The word list that ships in the program folder (slowa.txt: UTF-8, a word
// a line), read and indexed once while the program runs. A word
// Windows-1250 cannot hold is left out; a file that cannot be read gives no
// words, and the practice then drills syllables.
const CWordList& SchoolWordList(const ProgramFolders& folders);
