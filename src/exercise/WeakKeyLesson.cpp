#include "exercise/WeakKeyLesson.h"

#include "keyboard/PolishKeyboard.h"
#include "platform/Cp1250.h"
#include "pupils/WeakKeys.h"

#include <algorithm>
#include <unordered_set>

namespace {

constexpr size_t kMostKeys = 5;
constexpr size_t kLines = 6;
constexpr size_t kLineLength = 45;
constexpr double kLeastWeakShare = 0.4;
constexpr size_t kShortestWord = 2, kLongestWord = 12;
// With fewer words than this the lesson would repeat them over and over.
constexpr size_t kFewestWords = 8;
constexpr int kWordUses = 2;
constexpr size_t kGroupLength = 4; // a drill group: two weak keys, two of its finger
constexpr size_t kGroupsPerLine = 9;

bool IsLetter(char ch) {
    static const std::string polish = Utf8ToCp1250("ąćęłńóśźżĄĆĘŁŃÓŚŹŻ");
    return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') ||
           polish.find(ch) != std::string::npos;
}

bool IsTaught(const CKeyStats& stats, char key) {
    const auto found = stats.Keys().find(key);
    return found != stats.Keys().end() && found->second.presses > 0;
}

std::vector<char> WeakestLetters(const CKeyStats& stats) {
    std::vector<char> keys;
    for (const WeakKey& weak : RankWeakKeys(stats))
        if (IsLetter(weak.key) && keys.size() < kMostKeys)
            keys.push_back(weak.key);
    return keys;
}

bool IsWeak(const std::vector<char>& keys, char ch) {
    return std::find(keys.begin(), keys.end(), ch) != keys.end();
}

// The words of the texts, in lower case, made of taught keys, with at
// least kLeastWeakShare of their letters weak, each once.
std::vector<std::string> PracticeWords(const CKeyStats& stats, const std::vector<char>& keys,
                                       const StringList& texts) {
    std::vector<std::string> words;
    std::unordered_set<std::string> seen;
    const auto consider = [&](const std::string& word) {
        if (word.size() < kShortestWord || word.size() > kLongestWord || !seen.insert(word).second)
            return;
        const auto weak = std::count_if(word.begin(), word.end(),
                                        [&](char ch) { return IsWeak(keys, ch); });
        const bool taught = std::all_of(word.begin(), word.end(),
                                        [&](char ch) { return IsTaught(stats, ch); });
        if (taught && static_cast<double>(weak) >= kLeastWeakShare * static_cast<double>(word.size()))
            words.push_back(word);
    };
    for (const std::string& line : texts) {
        std::string word;
        for (const char ch : line) {
            if (IsLetter(ch)) {
                word += FoldCase(ch);
                continue;
            }
            consider(word);
            word.clear();
        }
        consider(word);
    }
    return words;
}

// Lines of the words, shuffled, each word used at most kWordUses times.
StringList WordLines(std::vector<std::string> words, RandomEngine& engine) {
    std::shuffle(words.begin(), words.end(), engine);
    std::vector<std::string> uses;
    for (int use = 0; use < kWordUses; ++use)
        uses.insert(uses.end(), words.begin(), words.end());
    StringList lines;
    std::string line;
    for (const std::string& word : uses) {
        if (!line.empty() && line.size() + 1 + word.size() > kLineLength) {
            lines.push_back(line);
            line.clear();
            if (lines.size() == kLines)
                return lines;
        }
        line += (line.empty() ? "" : " ") + word;
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

// The taught letters typed by the same finger as key, key left out.
std::string FingerNeighbours(const CKeyStats& stats, char key) {
    const char32_t wanted = UnicodeFromCp1250(static_cast<unsigned char>(key));
    const std::vector<KeyCap>& keyboard = PolishKeyboard();
    const auto own = std::find_if(keyboard.begin(), keyboard.end(), [&](const KeyCap& cap) {
        return cap.levels[0] == wanted || PolishLetterOf(cap) == wanted;
    });
    std::string neighbours;
    if (own == keyboard.end())
        return neighbours;
    for (const KeyCap& cap : keyboard)
        for (const char32_t sign : {cap.levels[0], PolishLetterOf(cap)}) {
            const char ch = Cp1250FromUnicode(sign);
            if (cap.finger == own->finger && sign && ch != key && IsLetter(ch) &&
                IsTaught(stats, ch))
                neighbours += ch;
        }
    return neighbours;
}

// Groups of two weak keys and two of its finger's keys, mixed.
std::string DrillLine(const CKeyStats& stats, char key, RandomEngine& engine) {
    std::string neighbours = FingerNeighbours(stats, key);
    if (neighbours.empty())
        neighbours = std::string(1, key);
    std::uniform_int_distribution<size_t> pick(0, neighbours.size() - 1);
    std::string line;
    for (size_t group = 0; group < kGroupsPerLine; ++group) {
        std::string letters{key, key, neighbours[pick(engine)], neighbours[pick(engine)]};
        std::shuffle(letters.begin(), letters.end(), engine);
        line += (group ? " " : "") + letters.substr(0, kGroupLength);
    }
    return line;
}

} // namespace

WeakKeyLesson MakeWeakKeyLesson(const CKeyStats& stats, const StringList& courseTexts,
                                RandomEngine& engine) {
    WeakKeyLesson lesson;
    lesson.keys = WeakestLetters(stats);
    if (lesson.keys.empty())
        return lesson;
    const std::vector<std::string> words = PracticeWords(stats, lesson.keys, courseTexts);
    lesson.lines = WordLines(words, engine);
    // A few words make one line; drills do the rest.
    if (words.size() < kFewestWords && lesson.lines.size() > 1)
        lesson.lines.resize(1);
    for (size_t key = 0; lesson.lines.size() < kLines; ++key)
        lesson.lines.push_back(DrillLine(stats, lesson.keys[key % lesson.keys.size()], engine));
    return lesson;
}

std::string WeakKeysIntroduction(const std::vector<char>& keys) {
    std::string text = "Dziś ćwiczysz: ";
    for (size_t i = 0; i < keys.size(); ++i)
        text += (i ? ", " : "") + Cp1250ToUtf8(std::string(1, keys[i]));
    return text;
}
