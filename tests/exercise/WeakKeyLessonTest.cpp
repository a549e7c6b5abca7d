#include "exercise/WeakKeyLesson.h"

#include "platform/Cp1250.h"
#include "pupils/WeakKeys.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// A pupil who has typed every key of keys well, and ł and ż badly.
CKeyStats PupilWeakOnLAndZ(const std::string& keys) {
    CKeyStats stats;
    std::vector<KeyPress> presses;
    for (const char key : keys)
        for (int i = 0; i < 30; ++i)
            presses.push_back({key, !((key == '\xB3' || key == '\xBF') && i < 12), 200});
    stats.Add(presses);
    return stats;
}

double WeakShareOfLetters(const StringList& lines, const std::vector<char>& keys) {
    int letters = 0, weak = 0;
    for (const std::string& line : lines)
        for (const char ch : line)
            if (ch != ' ') {
                ++letters;
                weak += std::find(keys.begin(), keys.end(), ch) != keys.end();
            }
    return letters ? static_cast<double>(weak) / letters : 0.0;
}

void ExpectPracticeOf(const WeakKeyLesson& lesson, const CKeyStats& stats) {
    EXPECT_EQ(lesson.keys, (std::vector<char>{'\xB3', '\xBF'}));
    EXPECT_EQ(lesson.lines.size(), 6u);
    for (const std::string& line : lesson.lines) {
        EXPECT_LE(line.size(), 45u) << line;
        for (const char ch : line)
            EXPECT_TRUE(ch == ' ' || stats.Keys().contains(ch))
                << "untaught " << Cp1250ToUtf8(std::string(1, ch)) << " in " << line;
    }
    EXPECT_GE(WeakShareOfLetters(lesson.lines, lesson.keys), 0.4);
}

} // namespace

TEST(WeakKeyLesson, RealWordsWithTheWeakKeysAndOnlyTaughtOnes) {
    const CKeyStats stats = PupilWeakOnLAndZ(Utf8ToCp1250("abcdegijklmnoprstuwyzłżó"));
    const StringList texts{Utf8ToCp1250("Żółw łowi żaby, a łabędź żuje łodygi. Łza, żal, łąka!"),
                           Utf8ToCp1250("Żubr i żuk łażą. Mały żółty łoś, ładny żagiel, żaba, "
                                        "łyżka, łóżko, żółć, łoże."),
                           Utf8ToCp1250("Qżq xłx")}; // q and x never typed
    RandomEngine engine(7);
    const WeakKeyLesson lesson = MakeWeakKeyLesson(stats, texts, engine);
    ExpectPracticeOf(lesson, stats);
    const std::string all = Cp1250ToUtf8(lesson.lines.front());
    EXPECT_TRUE(all.find("łyżka") != std::string::npos || all.find("łóżko") != std::string::npos ||
                all.find("łoże") != std::string::npos || all.find("żal") != std::string::npos)
        << all;
    EXPECT_EQ(WeakKeysIntroduction(lesson.keys), "Dziś ćwiczysz: ł, ż");
}

TEST(WeakKeyLesson, TooFewWordsAreFilledWithDrillsOfTheWeakKeysFinger) {
    const CKeyStats stats = PupilWeakOnLAndZ(Utf8ToCp1250("aloqzxwsłż"));
    RandomEngine engine(3);
    const WeakKeyLesson lesson = MakeWeakKeyLesson(stats, {Utf8ToCp1250("łoża, żal")}, engine);
    ExpectPracticeOf(lesson, stats);
    EXPECT_EQ(lesson.lines.front(), Utf8ToCp1250("łoża łoża")) << "żal is not 40 % weak";
    // ł is typed by the ring finger with l and o; ż by the little one with a, q, z.
    const std::string drills = lesson.lines[1] + lesson.lines[2];
    EXPECT_EQ(drills.find_first_not_of(Utf8ToCp1250(" łlożaqz")), std::string::npos) << drills;
}

TEST(WeakKeyLesson, NothingToPractiseGivesNoKeys) {
    CKeyStats stats;
    stats.Add({{'a', true, 100}});
    RandomEngine engine;
    EXPECT_TRUE(MakeWeakKeyLesson(stats, {"ala"}, engine).keys.empty());
}
