// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pupils/KeyStats.h"

#include "platform/FileError.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <sstream>

namespace {

constexpr std::string_view kHeading = "tastrum klawisze 2";
constexpr std::string_view kFirstHeading = "tastrum klawisze 1";
constexpr double kLongKeep = 1.0 - 1.0 / kLongMemoryPresses;
constexpr double kShortKeep = 1.0 - 1.0 / kShortMemoryPresses;

std::string Number(double value) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return {text, end};
}

template <typename T> bool Parse(const std::string& field, T& value) {
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    return error == std::errc() && end == field.data() + field.size();
}

bool IsCount(double count, double most) {
    return std::isfinite(count) && count >= 0.0 && count <= most;
}

bool IsSound(const KeyStat& stat) {
    return stat.presses >= 0 && stat.errors >= 0 && stat.errors <= stat.presses &&
           stat.timedPresses >= 0 && stat.timedPresses <= stat.presses - stat.errors &&
           IsCount(stat.recentPresses, std::min<double>(stat.presses, kLongMemoryPresses)) &&
           IsCount(stat.recentErrors, stat.recentPresses) &&
           IsCount(stat.lastPresses, std::min<double>(stat.presses, kShortMemoryPresses)) &&
           IsCount(stat.lastErrors, stat.lastPresses) && IsCount(stat.worstErrorRate, 1.0) &&
           std::isfinite(stat.recentMs) && stat.recentMs >= 0.0;
}

[[noreturn]] void Damaged(const std::string& path, const std::string& line) {
    throw FileError(path, "plik pomiarów klawiszy jest uszkodzony (wiersz: " + line + ")");
}

// The first version kept a fading error rate per letter, capitals with it,
// and counted stat.dat's old errors in; its counts stand for the small
// letter, its rate for the presses it has seen.
KeyStat FromFirstVersion(int presses, int errors, double rate, double ms, int timed) {
    KeyStat stat;
    stat.presses = presses;
    stat.errors = std::min(errors, presses);
    stat.recentPresses = std::min<double>(presses, kLongMemoryPresses);
    stat.recentErrors = rate * stat.recentPresses;
    stat.lastPresses = std::min<double>(presses, kShortMemoryPresses);
    stat.lastErrors = rate * stat.lastPresses;
    stat.recentMs = ms;
    stat.timedPresses = std::min(timed, presses - stat.errors);
    return stat;
}

} // namespace

void CKeyStats::Add(const std::vector<KeyPress>& presses) {
    for (const KeyPress& press : presses) {
        KeyStat& key = m_keys[press.expected];
        const double wrong = press.right ? 0.0 : 1.0;
        key.presses += 1;
        key.errors += press.right ? 0 : 1;
        key.recentPresses = key.recentPresses * kLongKeep + 1.0;
        key.recentErrors = key.recentErrors * kLongKeep + wrong;
        key.lastPresses = key.lastPresses * kShortKeep + 1.0;
        key.lastErrors = key.lastErrors * kShortKeep + wrong;
        if (key.presses >= kPressesToJudge)
            key.worstErrorRate = std::max(key.worstErrorRate, key.RecentErrorRate());
        // Only right keys tell how fast the pupil finds the key.
        if (press.right && press.msSincePrevious >= 0) {
            key.recentMs = key.timedPresses == 0
                               ? press.msSincePrevious
                               : key.recentMs + (press.msSincePrevious - key.recentMs) /
                                                    std::min<double>(key.timedPresses + 1,
                                                                     kShortMemoryPresses);
            key.timedPresses += 1;
        }
    }
}

int CKeyStats::TotalPresses() const {
    int total = 0;
    for (const auto& [key, stat] : m_keys)
        total += stat.presses;
    return total;
}

std::string CKeyStats::Encode() const {
    std::string text = std::string(kHeading) + "\n";
    for (const auto& [key, stat] : m_keys)
        text += std::to_string(static_cast<unsigned char>(key)) + " " +
                std::to_string(stat.presses) + " " + std::to_string(stat.errors) + " " +
                Number(stat.recentPresses) + " " + Number(stat.recentErrors) + " " +
                Number(stat.lastPresses) + " " + Number(stat.lastErrors) + " " +
                Number(stat.recentMs) + " " + std::to_string(stat.timedPresses) + " " +
                Number(stat.worstErrorRate) + "\n";
    return text;
}

CKeyStats CKeyStats::Decode(const std::string& bytes, const std::string& path) {
    std::istringstream lines(bytes);
    std::string line;
    if (!std::getline(lines, line) || (line != kHeading && line != kFirstHeading))
        throw FileError(path, "to nie jest plik pomiarów klawiszy programu");
    if (line == kFirstHeading)
        return DecodeFirstVersion(lines, path);
    CKeyStats stats;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string code, presses, errors, recentPresses, recentErrors, lastPresses, lastErrors,
            ms, timed, worst, extra;
        fields >> code >> presses >> errors >> recentPresses >> recentErrors >> lastPresses >>
            lastErrors >> ms >> timed >> worst;
        int byte = 0;
        KeyStat stat;
        if (!Parse(code, byte) || byte < 1 || byte > 255 || !Parse(presses, stat.presses) ||
            !Parse(errors, stat.errors) || !Parse(recentPresses, stat.recentPresses) ||
            !Parse(recentErrors, stat.recentErrors) || !Parse(lastPresses, stat.lastPresses) ||
            !Parse(lastErrors, stat.lastErrors) || !Parse(ms, stat.recentMs) ||
            !Parse(timed, stat.timedPresses) || !Parse(worst, stat.worstErrorRate) ||
            (fields >> extra) || !IsSound(stat) ||
            !stats.m_keys.emplace(static_cast<char>(byte), stat).second)
            Damaged(path, line);
    }
    return stats;
}

CKeyStats CKeyStats::DecodeFirstVersion(std::istream& lines, const std::string& path) {
    CKeyStats stats;
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        int byte = 0, presses = 0, errors = 0, timed = 0;
        double rate = 0.0, ms = 0.0;
        std::string extra;
        if (!(fields >> byte >> presses >> errors >> rate >> ms >> timed) || (fields >> extra) ||
            byte < 1 || byte > 255 || presses < 0 || errors < 0 || timed < 0 ||
            !IsCount(rate, 1.0) || !std::isfinite(ms) || ms < 0)
            Damaged(path, line);
        if (presses > 0)
            stats.m_keys[static_cast<char>(byte)] = FromFirstVersion(presses, errors, rate, ms, timed);
    }
    return stats;
}
