#include "pupils/KeyStats.h"

#include "platform/Cp1250.h"
#include "platform/FileError.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <sstream>

namespace {

constexpr std::string_view kHeading = "tastrum klawisze 1";
// Prior errors of a character count as this error rate each, up to a half.
constexpr double kPriorRatePerError = 0.05;
constexpr double kHighestPriorRate = 0.5;

double Faded(double mean, double value) {
    return mean + kRecentWeight * (value - mean);
}

std::string Number(double value) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return {text, end};
}

template <typename T> bool Parse(const std::string& field, T& value) {
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    return error == std::errc() && end == field.data() + field.size();
}

bool IsSound(const KeyStat& stat) {
    return stat.presses >= 0 && stat.errors >= 0 && stat.timedPresses >= 0 &&
           stat.timedPresses <= stat.presses && stat.recentErrorRate >= 0.0 &&
           stat.recentErrorRate <= 1.0 && std::isfinite(stat.recentMs) && stat.recentMs >= 0.0;
}

} // namespace

CKeyStats CKeyStats::FromCharErrors(const CharErrorArray& errors) {
    CKeyStats stats;
    for (const CharErrorCount& error : errors) {
        if (error.count <= 0)
            continue;
        KeyStat& key = stats.m_keys[FoldCase(error.ch)];
        key.errors += error.count;
        key.recentErrorRate =
            std::min(kHighestPriorRate, key.errors * kPriorRatePerError);
    }
    return stats;
}

void CKeyStats::Add(const std::vector<KeyPress>& presses) {
    for (const KeyPress& press : presses) {
        KeyStat& key = m_keys[FoldCase(press.expected)];
        key.presses += 1;
        key.errors += press.right ? 0 : 1;
        key.recentErrorRate = Faded(key.recentErrorRate, press.right ? 0.0 : 1.0);
        // Only right keys tell how fast the pupil finds the key.
        if (press.right && press.msSincePrevious >= 0) {
            key.recentMs = key.timedPresses == 0 ? press.msSincePrevious
                                                 : Faded(key.recentMs, press.msSincePrevious);
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
                Number(stat.recentErrorRate) + " " + Number(stat.recentMs) + " " +
                std::to_string(stat.timedPresses) + "\n";
    return text;
}

CKeyStats CKeyStats::Decode(const std::string& bytes, const std::string& path) {
    std::istringstream lines(bytes);
    std::string line;
    if (!std::getline(lines, line) || line != kHeading)
        throw FileError(path, "to nie jest plik pomiarów klawiszy programu");
    CKeyStats stats;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string code, presses, errors, rate, ms, timed, extra;
        fields >> code >> presses >> errors >> rate >> ms >> timed;
        int byte = 0;
        KeyStat stat;
        if (!Parse(code, byte) || byte < 1 || byte > 255 || !Parse(presses, stat.presses) ||
            !Parse(errors, stat.errors) || !Parse(rate, stat.recentErrorRate) ||
            !Parse(ms, stat.recentMs) || !Parse(timed, stat.timedPresses) || (fields >> extra) ||
            !IsSound(stat) || !stats.m_keys.emplace(static_cast<char>(byte), stat).second)
            throw FileError(path, "plik pomiarów klawiszy jest uszkodzony (wiersz: " + line + ")");
    }
    return stats;
}
