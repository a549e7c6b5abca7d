// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercise/Stopwatch.h"

#include <chrono>
#include <utility>

namespace {

using Clock = std::chrono::steady_clock;

int64_t SteadyClockTicks() {
    return Clock::now().time_since_epoch().count();
}

constexpr int64_t kSteadyClockFrequency = Clock::period::den / Clock::period::num;

} // namespace

CStopwatch::CStopwatch() : CStopwatch(&SteadyClockTicks, kSteadyClockFrequency) {}

CStopwatch::CStopwatch(Counter counter, int64_t frequency)
    : m_counter(std::move(counter)), m_frequency(frequency), m_start(m_counter()) {}

void CStopwatch::Restart() {
    m_start = m_counter();
    m_stopped = false;
}

void CStopwatch::Stop() {
    m_stop = m_counter();
    m_stopped = true;
}

double CStopwatch::ElapsedMs() const {
    const int64_t end = m_stopped ? m_stop : m_counter();
    return static_cast<double>(end - m_start) * 1000.0 / static_cast<double>(m_frequency);
}
