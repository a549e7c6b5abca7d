// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The course's texts (lesson descriptions and help pages) say which finger
// presses a key, which Shift a capital takes and what pace passes. These
// tests read them as a pupil would and hold them to the keyboard table and
// the grading.
#include "keyboard/Chord.h"
#include "keyboard/PolishKeyboard.h"

#include "exercise/Grading.h"
#include "lessons/LessonFile.h"
#include "platform/BinaryFile.h"
#include "platform/Cp1250.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <optional>
#include <regex>
#include <set>
#include <sstream>

namespace {

const std::filesystem::path kData = std::filesystem::path(TASTRUM_SOURCE_DIR) / "../data";

using Words = std::vector<std::string>; // UTF-8 words and punctuation marks

struct CourseText {
    std::string name;
    std::string text; // UTF-8
};

// What a reader sees of a help page: the words, each block on a line of its own.
std::string PageText(std::string html) {
    html = std::regex_replace(html, std::regex(R"(<(style|svg)[\s\S]*?</\1>)"), "");
    html = std::regex_replace(html, std::regex(R"(\s+)"), " ");
    html = std::regex_replace(html, std::regex(R"(</?(p|li|h\d|td|th|pre|ul|ol|table)\b[^>]*>)"),
                              "\n");
    html = std::regex_replace(html, std::regex(R"(<[^>]*>)"), "");
    for (const auto& [entity, sign] : std::map<std::string, std::string>{
             {"&nbsp;", " "}, {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&amp;", "&"}})
        html = std::regex_replace(html, std::regex(entity), sign);
    return html;
}

std::vector<CourseText> ShippedTexts() {
    std::vector<CourseText> texts;
    for (const auto& entry : std::filesystem::directory_iterator(kData / "Data/Lessons"))
        if (entry.path().extension() == ".ini")
            texts.push_back(
                {entry.path().filename(),
                 Cp1250ToUtf8(LessonFile(entry.path()).ReadString("General", "description", ""))});
    for (const auto& entry : std::filesystem::directory_iterator(kData / "help"))
        texts.push_back(
            {entry.path().filename(), PageText(ReadBinaryFile(entry.path(), kMaxTextFileBytes))});
    return texts;
}

// The sentences of a text, each as its words; a block ends a sentence too.
std::vector<Words> Sentences(const std::string& text) {
    std::vector<Words> sentences(1);
    const std::regex word(R"([\w\x80-\xff]+|\S)");
    for (std::sregex_iterator it(text.begin(), text.end(), word), end; it != end; ++it) {
        const std::string token = it->str();
        if (token == "\n" || token == "." || token == "!" || token == "?")
            sentences.emplace_back();
        else
            sentences.back().push_back(token);
    }
    std::erase_if(sentences, [](const Words& words) { return words.empty(); });
    return sentences;
}

std::string Lower(const std::string& word) {
    return Cp1250ToUtf8(Folded(Utf8ToCp1250(word)));
}

std::string Joined(const Words& words) {
    std::string text;
    for (const std::string& word : words) {
        const bool closesUp =
            text.empty() || text.back() == '(' || word == "," || word == ":" || word == ")";
        text += (closesUp ? "" : " ") + word;
    }
    return text;
}

// "lewy" or "prawy" for the forms a text uses, empty for other words.
std::string SideOf(const std::string& word) {
    static const std::map<std::string, std::string> sides{
        {"lewy", "lewy"}, {"lewym", "lewy"}, {"prawy", "prawy"}, {"prawym", "prawy"}};
    const auto side = sides.find(Lower(word));
    return side == sides.end() ? "" : side->second;
}

// The nominative of a word of a finger's name ("małym" and "palcem" as
// FingerName writes them), empty for other words.
std::string FingerWordOf(const std::string& word) {
    static const std::set<std::string> kinds{"mały",       "serdeczny", "środkowy",
                                             "wskazujący", "kciuk",     "palec"};
    static const std::map<std::string, std::string> instrumental{{"palcem", "palec"},
                                                                 {"kciukiem", "kciuk"}};
    std::string lower = Lower(word);
    if (instrumental.contains(lower))
        return instrumental.at(lower);
    if (lower.ends_with("ym"))
        lower.pop_back();
    return kinds.contains(lower) ? lower : "";
}

// A finger named from words[first]: "lewy palec środkowy", "prawym małym
// palcem", "palcem wskazującym lewej ręki"; end is one past its last word.
struct FingerPhrase {
    Finger finger;
    size_t end;
};

// The words of a finger's name that tell it apart: "palec" is left out, so
// "lewy serdeczny" names the same finger as "lewy palec serdeczny".
std::set<std::string> TellingWordsOf(Finger finger) {
    std::set<std::string> words;
    std::istringstream name(FingerName(finger));
    for (std::string word; name >> word;)
        if (word != "palec")
            words.insert(word);
    return words;
}

std::optional<FingerPhrase> FingerNamedAt(const Words& words, size_t first) {
    std::set<std::string> named;
    size_t end = first;
    for (; end < words.size(); ++end) {
        const std::string side = SideOf(words[end]);
        const std::string word = side.empty() ? FingerWordOf(words[end]) : side;
        if (word.empty())
            break;
        if (word != "palec")
            named.insert(word);
    }
    const std::string hand =
        end + 1 < words.size() && Lower(words[end + 1]) == "ręki" ? Lower(words[end]) : "";
    if (hand == "lewej" || hand == "prawej") {
        named.insert(hand == "lewej" ? "lewy" : "prawy");
        end += 2;
    }
    for (int finger = 0; finger < static_cast<int>(Finger::None); ++finger)
        if (!named.empty() && TellingWordsOf(static_cast<Finger>(finger)) == named)
            return FingerPhrase{static_cast<Finger>(finger), end};
    return std::nullopt;
}

// The single character a word stands for: a capital letter or a digit
// ("A", "Ą", "6"), or a sign written as a word ("przecinek", "spację").
std::optional<char> CharacterNamed(const std::string& word) {
    static const std::map<std::string, char> signs{
        {"przecin", ','}, {"kropk", '.'},  {"ukośnik", '/'},  {"średnik", ';'},
        {"spacj", ' '},   {"enter", '\r'}, {"apostrof", '\''}};
    const std::string ch = Utf8ToCp1250(word);
    if (ch.size() == 1 &&
        (std::isdigit(static_cast<unsigned char>(ch[0])) || FoldCase(ch[0]) != ch[0]))
        return ch[0];
    for (const auto& [stem, sign] : signs)
        if (Lower(word).starts_with(stem))
            return sign;
    return std::nullopt;
}

// The key that words[last] ends the name of ("F", "przecinek", "prawy Shift",
// "AltGr"), with the index of the name's first word.
std::optional<std::pair<int, size_t>> KeyNamedEndingAt(const Words& words, size_t last) {
    const std::string word = Lower(words[last]);
    if (word == "altgr")
        return std::pair(RightAltKey(), last);
    if (word.starts_with("shift") || word.starts_with("alt")) {
        const std::string side = last > 0 ? SideOf(words[last - 1]) : "";
        if (side.empty() || (word.starts_with("alt") && side == "lewy"))
            return std::nullopt;
        const int key = word.starts_with("alt") ? RightAltKey()
                        : side == "lewy"        ? LeftShiftKey()
                                                : RightShiftKey();
        return std::pair(key, last - 1);
    }
    if (const std::optional<char> ch = CharacterNamed(words[last]))
        if (const std::optional<Chord> chord = ChordOf(*ch))
            return std::pair(chord->key, last);
    return std::nullopt;
}

// The keys a finger phrase at words[first] is said of: "Enter (prawy mały
// palec)", or the keys before it with only joining words between them:
// "4, 5 i 6 lewy wskazujący", "G naciskasz lewym palcem wskazującym".
std::vector<int> KeysSaidOf(const Words& words, size_t first) {
    static const std::set<std::string> joining{",",       "i",       "a",         "oraz",
                                               "to",      "naciska", "naciskasz", "naciśnij",
                                               "piszesz", "trzyma",  "trzymasz"};
    std::vector<int> keys;
    if (first >= 2 && words[first - 1] == "(") {
        if (const auto key = KeyNamedEndingAt(words, first - 2))
            keys.push_back(key->first);
        return keys;
    }
    for (size_t at = first; at > 0;) {
        if (const auto key = KeyNamedEndingAt(words, at - 1)) {
            keys.push_back(key->first);
            at = key->second;
        } else if (joining.contains(Lower(words[at - 1]))) {
            --at;
        } else {
            break;
        }
    }
    return keys;
}

std::string KeyName(int key) {
    const KeyCap& cap = PolishKeyboard()[key];
    if (*cap.name)
        return cap.name;
    return Cp1250ToUtf8(std::string(1, Cp1250FromUnicode(cap.levels[IsLetterKey(cap) ? 1 : 0])));
}

// Every "keys ... finger" statement of a sentence that the table contradicts;
// counts the statements read.
std::vector<std::string> WrongFingers(const Words& sentence, int& statements) {
    std::vector<std::string> wrong;
    for (size_t at = 0; at < sentence.size(); ++at) {
        const std::optional<FingerPhrase> phrase = FingerNamedAt(sentence, at);
        if (!phrase)
            continue;
        for (const int key : KeysSaidOf(sentence, at)) {
            ++statements;
            if (PolishKeyboard()[key].finger != phrase->finger)
                wrong.push_back(KeyName(key) + " naciska " +
                                FingerName(PolishKeyboard()[key].finger) + ", nie " +
                                FingerName(phrase->finger));
        }
        at = phrase->end - 1;
    }
    return wrong;
}

// The capitals of the letter keys: level 1 for every letter, 3 for the
// Polish ones.
std::vector<char> CapitalsAt(int level) {
    std::vector<char> capitals;
    for (const KeyCap& key : PolishKeyboard())
        if (IsLetterKey(key) && key.levels[level])
            capitals.push_back(Cp1250FromUnicode(key.levels[level]));
    return capitals;
}

// The capitals a "lewy Shift" at sentence[shift] is said for: those named
// after the last "do" before it ("do A trzymasz prawy Shift"), or with no
// "do" every capital the sentence speaks of ("Wielką polską literę piszesz
// z lewym Shiftem").
std::vector<char> CapitalsSaidOf(const Words& sentence, size_t shift) {
    const auto said = [&](const std::string& stem) {
        return std::any_of(sentence.begin(), sentence.begin() + shift,
                           [&](const std::string& word) { return Lower(word).starts_with(stem); });
    };
    size_t from = shift;
    while (from > 0 && Lower(sentence[from - 1]) != "do")
        --from;
    if (from == 0)
        return said("polsk") ? CapitalsAt(3) : said("wielk") ? CapitalsAt(1) : std::vector<char>{};
    std::vector<char> capitals;
    for (size_t at = from; at < shift; ++at)
        if (const std::optional<char> ch = CharacterNamed(sentence[at]); ch && FoldCase(*ch) != *ch)
            capitals.push_back(*ch);
    return capitals;
}

// Every capital a sentence says takes the other Shift than the table's chord.
std::vector<std::string> WrongShifts(const Words& sentence, int& statements) {
    std::vector<std::string> wrong;
    for (size_t at = 1; at < sentence.size(); ++at) {
        if (!Lower(sentence[at]).starts_with("shift") || SideOf(sentence[at - 1]).empty())
            continue;
        const int shift = SideOf(sentence[at - 1]) == "lewy" ? LeftShiftKey() : RightShiftKey();
        for (const char capital : CapitalsSaidOf(sentence, at - 1)) {
            ++statements;
            if (ChordOf(capital)->shift != shift)
                wrong.push_back(Cp1250ToUtf8(std::string(1, capital)) + " pisze się z " +
                                (ChordOf(capital)->shift == LeftShiftKey() ? "lewym" : "prawym") +
                                " Shiftem");
        }
    }
    return wrong;
}

} // namespace

TEST(CourseTexts, FingersAndShiftsAreTheKeyboardTables) {
    int fingerStatements = 0;
    int shiftStatements = 0;
    std::vector<std::string> wrong;
    for (const CourseText& text : ShippedTexts()) {
        for (const Words& sentence : Sentences(text.text)) {
            std::vector<std::string> faults = WrongFingers(sentence, fingerStatements);
            std::ranges::copy(WrongShifts(sentence, shiftStatements), std::back_inserter(faults));
            for (const std::string& fault : faults)
                wrong.push_back(text.name + ": " + fault + " („" + Joined(sentence) + "”)");
        }
    }
    std::string listed;
    for (const std::string& fault : wrong)
        listed += fault + "\n";
    EXPECT_TRUE(wrong.empty()) << listed;
    // The reading itself works: the course names most keys' fingers.
    EXPECT_GT(fingerStatements, 40);
    EXPECT_GT(shiftStatements, 20);
}

TEST(CourseTexts, AdviceAgreesWithTheGrade) {
    std::set<int> paceLimits;
    for (int grade = kPassGrade; grade <= kBestGrade; ++grade)
        paceLimits.insert(static_cast<int>(SpeedToExceedFor(grade)));
    const std::regex pace(R"((więcej niż|ponad) (\d+) znak)");
    int paces = 0;
    for (const CourseText& text : ShippedTexts()) {
        const std::string lower = Lower(text.text);
        for (const char* slowly : {"powoli", "nie spiesz", "nie ścigaj", "przyjdzie sama"})
            EXPECT_EQ(lower.find(slowly), std::string::npos) << text.name << ": " << slowly;
        for (std::sregex_iterator it(lower.begin(), lower.end(), pace), end; it != end; ++it) {
            ++paces;
            EXPECT_TRUE(paceLimits.contains(std::stoi((*it)[2]))) << text.name << ": " << it->str();
        }
    }
    EXPECT_GT(paces, 2);
}
