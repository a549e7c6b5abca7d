#pragma once

#include "platform/ProgramContext.h"
#include "platform/StringList.h"
#include "pupils/KeyStats.h"

#include <string>
#include <vector>

// The stored name of the practice lesson's runs (Windows-1250).
constexpr const char* kWeakKeyLessonName = "Trudne klawisze";

// A lesson aimed at a pupil's weakest keys.
struct WeakKeyLesson {
    std::vector<char> keys; // the 3 to 5 weakest, weakest first (Windows-1250)
    StringList lines;       // about six lines of at most 45 characters
};

// Builds the lesson from real words of the course's texts that hold the
// weak keys, each word at least 40 % weak keys and made only of keys the
// pupil has pressed before; where the texts hold too few such words, drills
// of each weak key with the keys of its finger fill the lines, the weak key
// at least half of each. Nothing (no keys) when the pupil has no key to
// practise.
WeakKeyLesson MakeWeakKeyLesson(const CKeyStats& stats, const StringList& courseTexts,
                                RandomEngine& engine);

// "Dziś ćwiczysz: ł, ż, ę" (UTF-8).
std::string WeakKeysIntroduction(const std::vector<char>& keys);
