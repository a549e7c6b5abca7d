// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercise/WeakKeyLesson.h"
#include "exercise/WeakKeys.h"

#include "platform/Cp1250.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

// Simulated pupils type Polish text key by key: three keys they miss one
// time in ten, the rest one to three times in a hundred. The program's own
// measuring and ranking must name the weak keys, and only them, as the
// pupil types more.

namespace {

struct Letter {
    const char* utf8;
    double share; // percent of the letters of Polish text
};

// The letters of Polish text with how often they come.
const Letter kLetters[] = {
    {"a", 8.91}, {"i", 8.21}, {"o", 7.75}, {"e", 7.66}, {"z", 5.64}, {"n", 5.52}, {"r", 4.69},
    {"w", 4.65}, {"s", 4.32}, {"t", 3.98}, {"c", 3.96}, {"y", 3.76}, {"k", 3.51}, {"d", 3.25},
    {"p", 3.13}, {"m", 2.80}, {"u", 2.50}, {"j", 2.28}, {"l", 2.10}, {"ł", 1.82}, {"b", 1.47},
    {"g", 1.42}, {"ę", 1.11}, {"h", 1.08}, {"ą", 0.99}, {"ó", 0.85}, {"ż", 0.83}, {"ś", 0.66},
    {"ć", 0.40}, {"f", 0.30}, {"ń", 0.20}, {"ź", 0.06}};
// A weak key is one of the letters common enough to be judged in a few
// lessons.
constexpr size_t kWeakAmong = 15;
constexpr int kPupils = 200;
constexpr int kRunLength = 100;

struct Figures {
    int listed = 0, rightlyListed = 0, weak = 0;
    std::map<char, int> normalListings; // pupils for whom a normal key was listed
    int lessonKeys = 0, rightLessonKeys = 0;

    double Precision() const { return listed ? static_cast<double>(rightlyListed) / listed : 1; }
    double Recall() const { return static_cast<double>(rightlyListed) / weak; }
    double LessonPrecision() const {
        return lessonKeys ? static_cast<double>(rightLessonKeys) / lessonKeys : 1;
    }
    int MostListingsOfANormalKey() const {
        int most = 0;
        for (const auto& [key, pupils] : normalListings)
            most = std::max(most, pupils);
        return most;
    }
};

class SimulatedPupil {
public:
    explicit SimulatedPupil(unsigned seed) : m_random(seed) {
        std::vector<char> common;
        for (const Letter& letter : kLetters) {
            m_keys.push_back(Utf8ToCp1250(letter.utf8).front());
            m_shares.push_back(letter.share);
        }
        std::vector<char> candidates(m_keys.begin(), m_keys.begin() + kWeakAmong);
        std::shuffle(candidates.begin(), candidates.end(), m_random);
        m_weak.insert(candidates.begin(), candidates.begin() + 3);
        std::uniform_real_distribution<double> usual(0.01, 0.03);
        for (const char key : m_keys)
            m_errorRate[key] = m_weak.contains(key) ? 0.10 : usual(m_random);
    }

    void Type(int keys, CKeyStats& stats) {
        std::discrete_distribution<size_t> letter(m_shares.begin(), m_shares.end());
        std::uniform_real_distribution<double> chance(0.0, 1.0);
        std::uniform_int_distribution<int> ms(150, 300);
        std::vector<KeyPress> run;
        for (int i = 0; i < keys; ++i) {
            const char key = m_keys[letter(m_random)];
            run.push_back({key, chance(m_random) >= m_errorRate[key],
                           static_cast<int16_t>(ms(m_random))});
            if (run.size() == kRunLength) {
                stats.Add(run);
                run.clear();
            }
        }
        stats.Add(run);
    }

    bool IsWeak(char key) const { return m_weak.contains(key); }

private:
    std::mt19937 m_random;
    std::vector<char> m_keys;
    std::vector<double> m_shares;
    std::set<char> m_weak;
    std::map<char, double> m_errorRate;
};

// What the ranking and the practice make of all pupils after each has typed
// the given number of keys.
std::map<int, Figures> Simulate(const std::vector<int>& points) {
    std::map<int, Figures> figures;
    const CWordList noWords({});
    for (int seed = 0; seed < kPupils; ++seed) {
        SimulatedPupil pupil(static_cast<unsigned>(seed));
        CKeyStats stats;
        int typed = 0;
        for (const int point : points) {
            pupil.Type(point - typed, stats);
            typed = point;
            Figures& at = figures[point];
            at.weak += 3;
            for (const WeakKey& weak : RankWeakKeys(stats)) {
                ++at.listed;
                if (pupil.IsWeak(weak.key))
                    ++at.rightlyListed;
                else
                    ++at.normalListings[weak.key];
            }
            std::mt19937 engine(static_cast<unsigned>(seed));
            for (const WeakKey& weak : MakeWeakKeyLesson(stats, noWords, engine).keys) {
                ++at.lessonKeys;
                at.rightLessonKeys += pupil.IsWeak(weak.key);
            }
        }
    }
    return figures;
}

} // namespace

TEST(SimulatedPupil, TheListNamesTheWeakKeysAndHardlyAnyOther) {
    const std::map<int, Figures> figures = Simulate({300, 1000, 3000, 6000});
    for (const auto& [typed, at] : figures) {
        SCOPED_TRACE(std::to_string(typed) + " keys typed");
        EXPECT_GE(at.Precision(), 0.8);
        EXPECT_GE(at.LessonPrecision(), 0.9);
    }
    EXPECT_LE(figures.at(300).MostListingsOfANormalKey(), kPupils / 20);
    EXPECT_GE(figures.at(1000).Recall(), 0.6);
    EXPECT_GE(figures.at(3000).Recall(), 0.95);
    EXPECT_GE(figures.at(6000).Recall(), 0.98);
    for (const auto& [typed, at] : figures)
        std::printf("%5d keys: precision %.3f, recall %.3f, practice keys truly weak %.3f, "
                    "a normal key listed for at most %d of %d pupils\n",
                    typed, at.Precision(), at.Recall(), at.LessonPrecision(),
                    at.MostListingsOfANormalKey(), kPupils);
}
