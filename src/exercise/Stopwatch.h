// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <functional>

// Times one exercise. It runs from construction; the typing field restarts it
// at the pupil's first key and stops it when the last line is done.
class CStopwatch {
public:
    // A counter that only moves forward and how many of its ticks make a
    // second. Tests drive their own; the program uses the steady clock.
    using Counter = std::function<int64_t()>;

    CStopwatch();
    CStopwatch(Counter counter, int64_t frequency);

    void Restart();
    void Stop();
    bool IsStopped() const { return m_stopped; }

    // Milliseconds from the start to the stop, or to now while running.
    double ElapsedMs() const;

private:
    Counter m_counter;
    int64_t m_frequency;
    int64_t m_start;
    int64_t m_stop = 0;
    bool m_stopped = false;
};
