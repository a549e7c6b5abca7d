// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/PolishOrder.h"

#include "platform/Cp1250.h"

#include <algorithm>
#include <array>

namespace {

// Lower-case letters in Windows-1250, in the order of the Polish alphabet.
constexpr std::string_view kAlphabet = "a\xB9" "bc\xE6" "de\xEA" "fghijkl\xB3" "mn\xF1" "o\xF3"
                                       "pqrs\x9Ctuvwxyz\x9F\xBF";
// Letters of other languages that Windows-1250 holds, each with the letter
// of the alphabet it sorts with: á with a, č with c, ü with u.
constexpr std::string_view kForeignLetters = "\xE1\xE2\xE3\xE4\xE5\xBE\xE7\xE8\xEF\xF0\xE9\xEB\xEC\xED\xEE"
                                            "\xF2\xF4\xF5\xF6\xE0\xF8\x9A\xBA\x9D\xFE\xF9\xFA\xFB\xFC"
                                            "\xFD\x9E";
constexpr std::string_view kTheirLetters = "aaaallccddeeeiinooorrssttuuuuyz";
constexpr int kDigitsFrom = 1;
constexpr int kLettersFrom = kDigitsFrom + 10;
constexpr int kOthersFrom = kLettersFrom + static_cast<int>(kAlphabet.size());

std::array<int, 256> MakeWeights() {
    std::array<int, 256> weights{};
    for (int byte = 0; byte < 256; ++byte) {
        char folded = FoldCase(static_cast<char>(byte));
        if (const auto foreign = kForeignLetters.find(folded); foreign != std::string_view::npos)
            folded = kTheirLetters[foreign];
        const auto letter = kAlphabet.find(folded);
        if (byte >= '0' && byte <= '9')
            weights[byte] = kDigitsFrom + (byte - '0');
        else if (letter != std::string_view::npos)
            weights[byte] = kLettersFrom + static_cast<int>(letter);
        else
            weights[byte] = kOthersFrom + static_cast<unsigned char>(folded);
    }
    return weights;
}

} // namespace

std::weak_ordering PolishOrderCp1250(std::string_view a, std::string_view b) {
    static const std::array<int, 256> weights = MakeWeights();
    const auto weight = [](char c) { return weights[static_cast<unsigned char>(c)]; };
    return std::lexicographical_compare_three_way(
        a.begin(), a.end(), b.begin(), b.end(),
        [&](char x, char y) -> std::weak_ordering { return weight(x) <=> weight(y); });
}

bool PolishLessCp1250(std::string_view a, std::string_view b) {
    const std::weak_ordering order = PolishOrderCp1250(a, b);
    return order < 0 || (order == 0 && a < b);
}
