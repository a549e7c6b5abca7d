// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "lessons/WordList.h"
#include "platform/ProgramContext.h"
#include "pupils/KeyStats.h"

#include <string>
#include <vector>

// What a pupil can type to practise one key, made only of keys the pupil
// has already typed (Windows-1250): for a letter, common words rich in it;
// for a capital, such words begun with it; for a digit, numbers in short
// phrases ("ma 5 lat"); for a sign, words it follows or stands between
// ("tak, nie."). A key without such words gets syllables of it with the
// taught vowels or consonants ("pa po pe"), never the key over and over.
struct PracticeItems {
    std::vector<std::string> items;
    bool words = false; // words or phrases; false for syllables
};

PracticeItems PracticeItemsFor(char key, const CKeyStats& taught, const CWordList& words,
                               RandomEngine& engine);
