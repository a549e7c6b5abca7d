// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercise/PracticeItems.h"

#include "platform/Cp1250.h"

#include <algorithm>

namespace {

// Of the most common words that fit, this many are kept, the richest in the
// key first.
constexpr size_t kCandidates = 80;
constexpr size_t kItemsKept = 30;
constexpr size_t kLongestWord = 12;
constexpr size_t kLongestSignWord = 7;
// With fewer words than this a key is practised in syllables.
constexpr size_t kFewestWords = 3;
constexpr size_t kNumbers = 12;
constexpr int kLongestNumber = 3;

const std::string& Vowels() {
    static const std::string vowels = Utf8ToCp1250("aeioóuyąę");
    return vowels;
}

bool IsLowerLetter(char ch) {
    static const std::string polish = Utf8ToCp1250("ąćęłńóśźż");
    return (ch >= 'a' && ch <= 'z') || polish.find(ch) != std::string::npos;
}

bool IsTaught(const CKeyStats& taught, char ch) {
    if (ch == ' ')
        return true;
    const auto found = taught.Keys().find(ch);
    return found != taught.Keys().end() && found->second.presses > 0;
}

bool IsTypable(const CKeyStats& taught, std::string_view text) {
    return std::all_of(text.begin(), text.end(), [&](char ch) { return IsTaught(taught, ch); });
}

// The common words holding letter (begun with it when first), in the order
// of how much of them it makes, then how common they are.
std::vector<std::string> WordsRichIn(char letter, bool first, const CKeyStats& taught,
                                     const CWordList& words) {
    std::vector<std::string> found;
    for (const uint32_t index : words.WordsWith(letter)) {
        const std::string& word = words.Words()[index];
        if (word.size() < 2 || word.size() > kLongestWord || (first && word.front() != letter) ||
            !IsTypable(taught, std::string_view(word).substr(first ? 1 : 0)))
            continue;
        found.push_back(word);
        if (found.size() == kCandidates)
            break;
    }
    const auto share = [letter](const std::string& word) {
        return static_cast<double>(std::count(word.begin(), word.end(), letter)) /
               static_cast<double>(word.size());
    };
    std::stable_sort(found.begin(), found.end(),
                     [&](const std::string& a, const std::string& b) { return share(a) > share(b); });
    found.resize(std::min(found.size(), kItemsKept));
    return found;
}

// Short common words made of taught keys, for signs and numbers to stand by.
std::vector<std::string> ShortWords(const CKeyStats& taught, const CWordList& words) {
    std::vector<std::string> found;
    for (const std::string& word : words.Words()) {
        if (word.size() <= kLongestSignWord && IsTypable(taught, word))
            found.push_back(word);
        if (found.size() == kCandidates)
            break;
    }
    return found;
}

std::vector<std::string> Syllables(char key, const CKeyStats& taught) {
    const char letter = FoldCase(key);
    const bool vowel = Vowels().find(letter) != std::string::npos;
    std::vector<std::string> syllables;
    for (int ch = 1; ch < 256; ++ch) {
        const char other = static_cast<char>(ch);
        const bool partner = IsLowerLetter(other) && other != letter && IsTaught(taught, other) &&
                             (Vowels().find(other) != std::string::npos) != vowel;
        if (partner)
            syllables.push_back(vowel ? std::string{other, key} : std::string{key, other});
    }
    if (syllables.empty())
        syllables.push_back(std::string(1, key));
    return syllables;
}

PracticeItems LetterItems(char key, const CKeyStats& taught, const CWordList& words) {
    const bool capital = FoldCase(key) != key;
    std::vector<std::string> found = WordsRichIn(FoldCase(key), capital, taught, words);
    if (found.size() < kFewestWords)
        return {Syllables(key, taught), false};
    if (capital)
        for (std::string& word : found)
            word.front() = key;
    return {found, true};
}

std::string NumberWith(char digit, const std::string& digits, RandomEngine& engine) {
    std::uniform_int_distribution<int> length(1, kLongestNumber);
    std::uniform_int_distribution<size_t> pick(0, digits.size() - 1);
    std::string number(static_cast<size_t>(length(engine)), digit);
    for (char& ch : number)
        ch = digits[pick(engine)];
    number[std::uniform_int_distribution<size_t>(0, number.size() - 1)(engine)] = digit;
    if (number.size() > 1 && number.front() == '0')
        number.front() = digit == '0' ? number.back() : digit;
    return number.front() == '0' ? "0" : number;
}

PracticeItems DigitItems(char digit, const CKeyStats& taught, RandomEngine& engine) {
    static const std::vector<std::string> phrases = {
        "strona #", "klasa #", "numer #", "sala #", "autobus #", "rok #", "mam # lat",
        "# minut",  "# dni",   "ma # lat"};
    std::string digits;
    for (char ch = '0'; ch <= '9'; ++ch)
        if (IsTaught(taught, ch))
            digits += ch;
    if (digits.empty())
        digits = std::string(1, digit);
    std::vector<std::string> fitting;
    for (const std::string& phrase : phrases)
        if (IsTypable(taught, phrase.substr(0, phrase.find('#')) + phrase.substr(phrase.find('#') + 1)))
            fitting.push_back(phrase);
    std::vector<std::string> items;
    for (size_t i = 0; i < kNumbers; ++i) {
        const std::string number = NumberWith(digit, digits, engine);
        if (fitting.empty()) {
            items.push_back(number);
            continue;
        }
        std::string phrase = fitting[i % fitting.size()];
        items.push_back(phrase.replace(phrase.find('#'), 1, number));
    }
    return {items, true};
}

// The partner of a bracket or quote, or 0.
char PartnerOf(char sign) {
    static const std::string opening = "([{<\"'", closing = ")]}>\"'";
    if (const auto at = opening.find(sign); at != std::string::npos)
        return closing[at];
    if (const auto at = closing.find(sign); at != std::string::npos)
        return opening[at];
    return 0;
}

PracticeItems SignItems(char sign, const CKeyStats& taught, const CWordList& words) {
    const std::vector<std::string> near = ShortWords(taught, words);
    if (near.size() < 2)
        return {Syllables(sign, taught), false};
    static const std::string followsWord = ",.;:!?";
    std::vector<std::string> items;
    for (size_t i = 0; i < near.size(); ++i) {
        const std::string& word = near[i];
        const std::string& next = near[(i + 1) % near.size()];
        if (followsWord.find(sign) != std::string::npos) {
            items.push_back(word + sign);
        } else if (const char partner = PartnerOf(sign); partner && IsTaught(taught, partner)) {
            const bool opens = std::string("([{<\"'").find(sign) != std::string::npos;
            items.push_back(opens ? sign + word + partner : partner + word + sign);
        } else {
            items.push_back(word + " " + sign + " " + next);
        }
    }
    return {items, true};
}

} // namespace

PracticeItems PracticeItemsFor(char key, const CKeyStats& taught, const CWordList& words,
                               RandomEngine& engine) {
    PracticeItems practice;
    if (IsLowerLetter(FoldCase(key)))
        practice = LetterItems(key, taught, words);
    else if (key >= '0' && key <= '9')
        practice = DigitItems(key, taught, engine);
    else
        practice = SignItems(key, taught, words);
    std::shuffle(practice.items.begin(), practice.items.end(), engine);
    return practice;
}
