// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercise/NextStep.h"

#include "exercise/Grading.h"
#include "platform/Cp1250.h"
#include "platform/Format.h"

#include <algorithm>
#include <array>

namespace {

// At most this many mistyped characters are named; the rest would not be read.
constexpr size_t kMostNamed = 8;

// Of the mistyped characters, this many are named as the ones to practise.
constexpr size_t kMostToPractise = 2;

std::string CharacterName(char ch) {
    if (ch == ' ')
        return "spacja";
    if (ch == '\r')
        return "Enter";
    return Cp1250ToUtf8(std::string(1, ch));
}

// As a child is told to practise it: "ćwicz spację".
std::string CharacterToPractise(char ch) {
    return ch == ' ' ? std::string("spację") : CharacterName(ch);
}

// The mistyped characters, most often first.
CharErrorArray MostMistyped(CharErrorArray errors) {
    std::stable_sort(errors.begin(), errors.end(),
                     [](const CharErrorCount& a, const CharErrorCount& b) { return a.count > b.count; });
    std::erase_if(errors, [](const CharErrorCount& error) { return error.count <= 0; });
    return errors;
}

// When the speed is there already, only the errors stand between the pupil
// and the next grade, and the advice leads with them.
std::string WhatTheNextGradeNeeds(int grade, double charsPerMinute,
                                  const CharErrorArray& mistyped) {
    if (grade >= kBestGrade)
        return "Najwyższa ocena! Tak trzymaj.";
    static const std::array<const char*, 4> kNextGrade{"Do zaliczenia", "Do trójki",
                                                       "Do czwórki", "Do piątki"};
    const int next = std::max(grade, 1) + 1;
    const std::string goal = kNextGrade[static_cast<size_t>(next - kPassGrade)];
    if (charsPerMinute > SpeedToExceedFor(next) && !mistyped.empty()) {
        std::string keys;
        for (size_t i = 0; i < std::min(mistyped.size(), kMostToPractise); ++i)
            keys += (i ? ", " : "") + CharacterToPractise(mistyped[i].ch);
        return goal + ": bez błędów — ćwicz " + keys + ".";
    }
    return goal + ": ponad " + FormatInt(static_cast<int>(SpeedToExceedFor(next))) +
           " znaków na minutę i bez błędów.";
}

std::string Mistyped(const CharErrorArray& errors) {
    if (errors.empty())
        return "Bez pomyłek.";
    std::string text = "Pomyłki:";
    for (size_t i = 0; i < std::min(errors.size(), kMostNamed); ++i)
        text += std::string(i ? ", " : " ") + CharacterName(errors[i].ch) + " (" +
                FormatInt(errors[i].count) + ")";
    return text + (errors.size() > kMostNamed ? ", …" : ".");
}

} // namespace

std::string NextStepText(int grade, double charsPerMinute, const CharErrorArray& runErrors) {
    const CharErrorArray mistyped = MostMistyped(runErrors);
    return WhatTheNextGradeNeeds(grade, charsPerMinute, mistyped) + " " + Mistyped(mistyped);
}
