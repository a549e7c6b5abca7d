// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercise/WeakKeyLesson.h"

#include "platform/Cp1250.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>

namespace {

// A pupil who has typed each of taught 100 times, 2 of them wrong, and each
// of weak 100 times, 30 of them wrong (Windows-1250 both).
CKeyStats Pupil(const std::string& taught, const std::string& weak) {
    CKeyStats stats;
    for (const char key : taught + weak) {
        const int wrong = weak.find(key) != std::string::npos ? 30 : 2;
        std::vector<KeyPress> presses;
        for (int i = 0; i < 100; ++i)
            presses.push_back({key, (i + 1) * wrong / 100 == i * wrong / 100, 200});
        stats.Add(presses);
    }
    return stats;
}

CWordList Words(const char* utf8) {
    std::istringstream text(Utf8ToCp1250(utf8));
    std::vector<std::string> words;
    for (std::string word; text >> word;)
        words.push_back(word);
    return CWordList(words);
}

const char* const kWords =
    "łza żal łyżka łóżko żaba łoże łódź żółw mały biały żuk łąka dało było żeby "
    "kot dom las tak nie ale pies pokój lato oko kura kij kino kolega xero quiz";
const std::string kTaught = Utf8ToCp1250("abcdegijklmnoprstuwyzó");

std::vector<std::string> Tokens(const std::string& line) {
    std::istringstream text(line);
    std::vector<std::string> tokens;
    for (std::string token; text >> token;)
        tokens.push_back(token);
    return tokens;
}

void ExpectSoundLines(const WeakKeyLesson& lesson, const CKeyStats& stats) {
    EXPECT_EQ(lesson.lines.size(), 6u);
    EXPECT_EQ(std::set<std::string>(lesson.lines.begin(), lesson.lines.end()).size(),
              lesson.lines.size())
        << "no line twice";
    for (const std::string& line : lesson.lines) {
        EXPECT_LE(line.size(), 45u) << line;
        for (const char ch : line)
            EXPECT_TRUE(ch == ' ' || stats.Keys().contains(ch))
                << "untaught " << Cp1250ToUtf8(std::string(1, ch)) << " in " << line;
    }
}

} // namespace

TEST(WeakKeyLesson, CommonWordsRichInTheWeakKeysMadeOnlyOfTaughtKeys) {
    const CKeyStats stats = Pupil(kTaught, Utf8ToCp1250("łż"));
    const CWordList words = Words(kWords);
    RandomEngine engine(7);
    const WeakKeyLesson lesson = MakeWeakKeyLesson(stats, words, engine);
    ASSERT_EQ(KeyNames(lesson.keys), "ł, ż");
    ExpectSoundLines(lesson, stats);
    for (const std::string& line : lesson.lines)
        for (const std::string& token : Tokens(line)) {
            EXPECT_NE(std::find(words.Words().begin(), words.Words().end(), token),
                      words.Words().end())
                << "not a word of the list: " << Cp1250ToUtf8(token);
            EXPECT_NE(token.find_first_of(Utf8ToCp1250("łż")), std::string::npos)
                << Cp1250ToUtf8(token) << " holds no weak key";
        }
    EXPECT_EQ(WeakKeysIntroduction(lesson.keys),
              "Dziś ćwiczysz: ł (30 % błędów), ż (30 % błędów).");
}

// A capital with its Shift, a digit in a number, a sign where it stands in a
// sentence.
TEST(WeakKeyLesson, CapitalsDigitsAndSignsArePractisedAsTheyAreWritten) {
    const CKeyStats stats = Pupil(kTaught + "1.", "K5,");
    RandomEngine engine(3);
    const WeakKeyLesson lesson = MakeWeakKeyLesson(stats, Words(kWords), engine);
    ASSERT_EQ(KeyNames(lesson.keys), "przecinek, 5, K");
    ExpectSoundLines(lesson, stats);
    std::string all;
    for (const std::string& line : lesson.lines)
        all += line + " ";
    const CWordList words = Words(kWords);
    for (std::string token : Tokens(all)) {
        if (token.front() == 'K') {
            token = FoldCase(token.front()) + token.substr(1, token.find(',') - 1);
            EXPECT_NE(std::find(words.Words().begin(), words.Words().end(), token),
                      words.Words().end())
                << "a capital begins a word of the list: " << token;
        }
        if (token.find('5') != std::string::npos) {
            EXPECT_EQ(token.find_first_not_of("15"), std::string::npos) << token;
        }
        if (token.find(',') != std::string::npos) {
            EXPECT_EQ(token.find(','), token.size() - 1) << "a comma follows its word: " << token;
        }
    }
    EXPECT_NE(all.find("Kot"), std::string::npos) << all;
    EXPECT_NE(all.find("5"), std::string::npos) << all;
    EXPECT_NE(all.find(", "), std::string::npos) << all;
}

TEST(WeakKeyLesson, AKeyWithoutWordsIsDrilledInSyllablesAndWordsKeepTheirLines) {
    const CKeyStats stats = Pupil(Utf8ToCp1250("abcdegijklmnorstuwyzó"), Utf8ToCp1250("łżf"));
    RandomEngine engine(5);
    const WeakKeyLesson lesson = MakeWeakKeyLesson(stats, Words(kWords), engine);
    ASSERT_EQ(lesson.keys.size(), 3u);
    ExpectSoundLines(lesson, stats);
    int wordLines = 0;
    for (const std::string& line : lesson.lines) {
        EXPECT_EQ(line.find("ff"), std::string::npos) << "f over and over: " << line;
        wordLines += line.find('f') == std::string::npos;
    }
    EXPECT_EQ(wordLines, 5);
    EXPECT_EQ(Tokens(lesson.lines.back()).front().size(), 2u) << lesson.lines.back();
}

TEST(WeakKeyLesson, NothingClearlyWeakGivesNoLesson) {
    RandomEngine engine;
    EXPECT_TRUE(MakeWeakKeyLesson(Pupil(kTaught, ""), Words(kWords), engine).keys.empty());
}

TEST(WeakKeyLesson, TheChildSeesEachKeyBeforeAndNow) {
    const std::vector<WeakKey> keys = {{'\xB3', 4.0, 0.23, 0.02, 0.86, 250, false},
                                       {'h', 1.8, 0.01, 0.02, 0.02, 450, true},
                                       {'x', 3.0, 0.2, 0.02, 0.2, 250, false}};
    EXPECT_EQ(WeakKeysIntroduction(keys), "Dziś ćwiczysz: ł (23 % błędów, było 86 %), "
                                          "h (wolno: 450 ms, zwykle 250 ms), x (20 % błędów).");
    std::vector<KeyPress> run;
    for (int i = 0; i < 20; ++i)
        run.push_back({'\xB3', i % 10 != 0, 200});
    run.push_back({'h', true, 200});
    EXPECT_EQ(PracticeProgressText(keys, run),
              "ł: było 23 %, teraz 10 % błędów, h: było 1 %, teraz 0 % błędów");
}
