// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "exercise/WeakKeys.h"
#include "lessons/WordList.h"
#include "platform/ProgramContext.h"
#include "platform/StringList.h"
#include "pupils/KeyStats.h"

#include <string>
#include <vector>

// The stored name of the practice lesson's runs (Windows-1250).
constexpr const char* kWeakKeyLessonName = "Trudne klawisze";

// A lesson aimed at a pupil's weakest keys.
struct WeakKeyLesson {
    std::vector<WeakKey> keys; // the 1 to 5 weakest, weakest first
    StringList lines;          // six lines of at most 45 characters, no two alike
};

// Builds the lesson of the pupil's weakest keys from what PracticeItemsFor
// gives each key, only with keys the pupil has typed before. Each line
// takes its turn at the keys, so every key comes in most lines; where there
// are eight words or phrases or more, at least four lines are made of them
// alone, and the keys without words fill the rest with syllables. Nothing
// (no keys) when no key is clearly weak.
WeakKeyLesson MakeWeakKeyLesson(const CKeyStats& stats, const CWordList& words,
                                RandomEngine& engine);

// The practice's introduction, each key with its error rate now and what it
// was at worst, or its time when it is slow: "Dziś ćwiczysz: ł (23 % błędów,
// było 86 %), h (wolno: 420 ms, zwykle 250 ms)." (UTF-8).
std::string WeakKeysIntroduction(const std::vector<WeakKey>& keys);

// What a practice run showed, key by key: the key's recent error rate
// before it, and the rate of this run: "ł: było 23 %, teraz 9 % błędów"
// (UTF-8). Keys the run did not hold are left out.
std::string PracticeProgressText(const std::vector<WeakKey>& keys,
                                 const std::vector<KeyPress>& run);

// How to name keys to a child: "ł, ż, Z" (UTF-8).
std::string KeyNames(const std::vector<WeakKey>& keys);
