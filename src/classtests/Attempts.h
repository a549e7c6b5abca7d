// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "classtests/ClassTest.h"
#include "classtests/ShareClock.h"
#include "classtests/TestResult.h"
#include "platform/ProgramFolders.h"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

// A pupil's attempts at a test. An attempt is taken when it starts, by
// creating its marker rozpoczete/<pupil>-<attempt> (the server decides it,
// so two computers never get the same number); an attempt with a marker
// and no result counts as used, so closing the program does not give a
// pupil another try. The teacher allows one more attempt by a file
// dodatkowe/<pupil>-<n>. Attempts left = allowed + extra - used.

// What the folders of one test say of every pupil's attempts.
class AttemptLedger {
public:
    // Throws FileError when a folder of the test cannot be read.
    static AttemptLedger Read(const PupilsFolder& pupils, const std::string& testId);

    int Used(const std::string& pupil) const;
    int Extra(const std::string& pupil) const;
    int Left(const ClassTest& test, const std::string& pupil) const;
    // The number the pupil's next attempt takes: past every one used.
    int Next(const std::string& pupil) const;
    // The attempts started that have no result, in their order.
    std::vector<int> WithoutResult(const std::string& pupil) const;

private:
    using Numbers = std::map<std::string, std::set<int>>;
    static const std::set<int>& Of(const Numbers& numbers, const std::string& pupil);

    Numbers m_started, m_results, m_extra;
};

// Starts the pupil's next attempt and returns its number; nothing when the
// test is not open now or no attempt is left. Throws FileError when the
// marker cannot be written.
std::optional<int> StartAttempt(const PupilsFolder& pupils, const ClassTest& test,
                                const std::string& pupil, const TimeSource& now);

// Gives the pupil one more attempt. Throws FileError.
void AllowExtraAttempt(const PupilsFolder& pupils, const std::string& testId,
                       const std::string& pupil);

// Keeps, as the result of an attempt that was started and left without
// one, what the pupil's computer kept of it, as ended early. False when the
// attempt was never started or has a result already. Throws FileError.
bool EndOrphanedAttempt(const PupilsFolder& pupils, const std::string& testId, TestResult result);
