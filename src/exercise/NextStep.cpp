#include "exercise/NextStep.h"

#include "exercise/Grading.h"
#include "platform/Cp1250.h"
#include "platform/Format.h"

#include <algorithm>
#include <array>

namespace {

// At most this many mistyped characters are named; the rest would not be read.
constexpr size_t kMostNamed = 8;

std::string WhatTheNextGradeNeeds(int grade) {
    if (grade >= kBestGrade)
        return "Najwyższa ocena! Tak trzymaj.";
    static const std::array<const char*, 4> kNextGrade{"Do zaliczenia", "Do trójki",
                                                       "Do czwórki", "Do piątki"};
    const int next = std::max(grade, 1) + 1;
    return std::string(kNextGrade[static_cast<size_t>(next - kPassGrade)]) + ": ponad " +
           FormatInt(static_cast<int>(SpeedToExceedFor(next))) +
           " znaków na minutę i bez błędów.";
}

std::string CharacterName(char ch) {
    if (ch == ' ')
        return "spacja";
    if (ch == '\r')
        return "Enter";
    return Cp1250ToUtf8(std::string(1, ch));
}

std::string Mistyped(CharErrorArray errors) {
    std::stable_sort(errors.begin(), errors.end(),
                     [](const CharErrorCount& a, const CharErrorCount& b) { return a.count > b.count; });
    std::erase_if(errors, [](const CharErrorCount& error) { return error.count <= 0; });
    if (errors.empty())
        return "Bez pomyłek.";
    std::string text = "Pomyłki:";
    for (size_t i = 0; i < std::min(errors.size(), kMostNamed); ++i)
        text += std::string(i ? ", " : " ") + CharacterName(errors[i].ch) + " (" +
                FormatInt(errors[i].count) + ")";
    return text + (errors.size() > kMostNamed ? ", …" : ".");
}

} // namespace

std::string NextStepText(int grade, const CharErrorArray& runErrors) {
    return WhatTheNextGradeNeeds(grade) + " " + Mistyped(runErrors);
}
