// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "pupils/StatRecord.h"

#include <string>
#include <vector>

// What this computer keeps of a test's run while it is typed, so that an
// attempt cut short by a closed program still gets its result from what
// was typed: in the outbox folder, sprawdziany/<test's id>/<pupil>-<n>.trwa,
// a small UTF-8 text ("tastrum przebieg 1", then "klucz=wartość" lines),
// replaced as the run goes on and removed when it is stored.
struct TestRunSoFar {
    std::string testId;
    std::string pupil; // Windows-1250
    int attempt = 0;
    StatRecord run; // as it would be stored now
    int secondsUsed = 0;

    bool operator==(const TestRunSoFar&) const = default;
};

// Throws FileError when it cannot be written.
void KeepTestRunSoFar(const std::string& outbox, const TestRunSoFar& soFar);
void ForgetTestRunSoFar(const std::string& outbox, const TestRunSoFar& soFar);
// The runs kept of attempts that never ended; a file that cannot be read
// is left where it is.
std::vector<TestRunSoFar> TestRunsLeftSoFar(const std::string& outbox);
