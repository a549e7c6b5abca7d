// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "classtests/ClassTest.h"
#include "platform/ProgramFolders.h"
#include "pupils/OleDateTime.h"
#include "pupils/StatRecord.h"

#include <string>
#include <vector>

// One attempt at a test, kept as a file of its own in the test's results
// folder: wyniki/<pupil's folder name>-<attempt>.txt, created once and never
// changed, a small UTF-8 text ("tastrum wynik 1", then "klucz=wartość"
// lines). The run is also stored in the pupil's stat.dat; the result keeps
// its RunKey, so the teacher can tell a result that stat.dat does not back.
struct TestResult {
    std::string pupil; // Windows-1250
    int attempt = 0;
    COleDateTime date; // as stat.dat holds the run
    double charsPerMinute = 0.0;
    double errorPercent = 0.0;
    int mark = 0;
    bool endedEarly = false;
    int secondsUsed = 0;
    std::string runKey; // the RunKey of the run stored in stat.dat

    bool operator==(const TestResult&) const = default;
};

// The result of a run of the test: the run as stored in stat.dat, marked
// by the test's marks.
TestResult MakeTestResult(const ClassTest& test, const std::string& pupil, int attempt,
                          const StatRecord& run, int secondsUsed, bool endedEarly);

std::string EncodeTestResult(const TestResult& result);
// Throws FileError naming path for a damaged or foreign file.
TestResult ParseTestResult(const std::string& bytes, const std::string& path);

std::string TestResultPath(const PupilsFolder& pupils, const std::string& testId,
                           const std::string& pupil, int attempt);

// Writes the result's file; false, with nothing written, when the attempt
// has a result already. Throws FileError when it cannot be written.
bool SaveTestResult(const PupilsFolder& pupils, const std::string& testId,
                    const TestResult& result);

// The results of the test, and the files of results that cannot be read.
struct UnreadableResult {
    std::string pupil;   // Windows-1250
    std::string problem; // Polish, UTF-8
};
struct TestResults {
    std::vector<TestResult> results;
    std::vector<UnreadableResult> unreadable;
};
// Throws FileError when the results folder cannot be read.
TestResults ReadTestResults(const PupilsFolder& pupils, const std::string& testId);
