// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercise/WeakKeyLesson.h"

#include "exercise/PracticeItems.h"
#include "platform/Cp1250.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

namespace {

constexpr size_t kMostKeys = 5;
constexpr size_t kLines = 6;
constexpr size_t kLineLength = 45;
constexpr size_t kFewestWordItems = 8;
constexpr size_t kLeastWordLines = 4;
// A rate shown with its worst is worth it only when it has come down this far.
constexpr double kShownImprovement = 0.05;
// A line is made again with other items when it came out like an earlier one.
constexpr int kTriesForNewLine = 8;

// Items of some keys, taken in turn: each key's items in their order, and
// shuffled anew when a key's have all been taken.
class ItemTurns {
public:
    explicit ItemTurns(RandomEngine& engine) : m_engine(engine) {}
    void Add(std::vector<std::string> items) {
        if (!items.empty())
            m_keys.push_back({std::move(items), 0});
    }
    bool Empty() const { return m_keys.empty(); }
    const std::string& Next() {
        Key& key = m_keys[m_turn++ % m_keys.size()];
        if (key.next == key.items.size()) {
            std::shuffle(key.items.begin(), key.items.end(), m_engine);
            key.next = 0;
        }
        return key.items[key.next++];
    }

private:
    struct Key {
        std::vector<std::string> items;
        size_t next;
    };
    RandomEngine& m_engine;
    std::vector<Key> m_keys;
    size_t m_turn = 0;
};

std::string Line(ItemTurns& turns) {
    std::string line;
    for (int tries = 0; tries < 50; ++tries) {
        const std::string& item = turns.Next();
        if (item.size() > kLineLength)
            continue;
        if (!line.empty() && line.size() + 1 + item.size() > kLineLength)
            break;
        line += (line.empty() ? "" : " ") + item;
    }
    return line;
}

void AddLines(ItemTurns& turns, size_t count, StringList& lines) {
    std::set<std::string> made(lines.begin(), lines.end());
    for (size_t i = 0; i < count && !turns.Empty(); ++i) {
        std::string line = Line(turns);
        for (int tries = 1; tries < kTriesForNewLine && made.contains(line); ++tries)
            line = Line(turns);
        made.insert(line);
        lines.push_back(line);
    }
}

std::string Percent(double rate) {
    return std::to_string(static_cast<int>(std::lround(rate * 100))) + " %";
}

// Signs are named, as a lone comma in a list of keys reads as none.
std::string KeyName(char key) {
    static const std::map<char, std::string> names = {
        {',', "przecinek"}, {'.', "kropka"},   {';', "średnik"},  {':', "dwukropek"},
        {'!', "wykrzyknik"}, {'?', "pytajnik"}, {'-', "minus"},   {'\'', "apostrof"},
        {'"', "cudzysłów"}};
    const auto named = names.find(key);
    return named != names.end() ? named->second : Cp1250ToUtf8(std::string(1, key));
}

} // namespace

WeakKeyLesson MakeWeakKeyLesson(const CKeyStats& stats, const CWordList& words,
                                RandomEngine& engine) {
    WeakKeyLesson lesson;
    lesson.keys = RankWeakKeys(stats);
    if (lesson.keys.size() > kMostKeys)
        lesson.keys.resize(kMostKeys);
    ItemTurns wordTurns(engine), syllableTurns(engine);
    size_t wordItems = 0, syllableKeys = 0;
    for (const WeakKey& weak : lesson.keys) {
        PracticeItems practice = PracticeItemsFor(weak.key, stats, words, engine);
        if (practice.words) {
            wordItems += practice.items.size();
            wordTurns.Add(std::move(practice.items));
        } else {
            ++syllableKeys;
            syllableTurns.Add(std::move(practice.items));
        }
    }
    size_t wordLines = syllableKeys == 0 ? kLines : kLines - std::min(syllableKeys, kLines - 1);
    if (wordItems >= kFewestWordItems)
        wordLines = std::max(wordLines, kLeastWordLines);
    else if (syllableKeys > 0)
        wordLines = std::min<size_t>(wordLines, 1);
    AddLines(wordTurns, wordLines, lesson.lines);
    AddLines(syllableTurns.Empty() ? wordTurns : syllableTurns, kLines - lesson.lines.size(),
             lesson.lines);
    return lesson;
}

std::string KeyNames(const std::vector<WeakKey>& keys) {
    std::string names;
    for (const WeakKey& weak : keys)
        names += (names.empty() ? "" : ", ") + KeyName(weak.key);
    return names;
}

std::string WeakKeysIntroduction(const std::vector<WeakKey>& keys) {
    std::string text = "Dziś ćwiczysz: ";
    for (size_t i = 0; i < keys.size(); ++i) {
        const WeakKey& weak = keys[i];
        text += (i ? ", " : "") + KeyName(weak.key) + " (";
        if (weak.slow)
            text += "wolno: " + std::to_string(std::lround(weak.msPerPress)) + " ms, zwykle " +
                    std::to_string(std::lround(weak.msPerPress / weak.score)) + " ms";
        else
            text += Percent(weak.errorRate) + " błędów";
        if (!weak.slow && weak.worstErrorRate >= weak.errorRate + kShownImprovement)
            text += ", było " + Percent(weak.worstErrorRate);
        text += ")";
    }
    return text + ".";
}

std::string PracticeProgressText(const std::vector<WeakKey>& keys,
                                 const std::vector<KeyPress>& run) {
    std::string text;
    for (const WeakKey& weak : keys) {
        int presses = 0, errors = 0;
        for (const KeyPress& press : run)
            if (press.expected == weak.key) {
                ++presses;
                errors += press.right ? 0 : 1;
            }
        if (presses > 0)
            text += (text.empty() ? "" : ", ") + KeyName(weak.key) + ": było " +
                    Percent(weak.errorRate) + ", teraz " +
                    Percent(static_cast<double>(errors) / presses) + " błędów";
    }
    return text;
}
