// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "classtests/LeftAttempts.h"

#include "classtests/Attempts.h"
#include "classtests/ClassTestFile.h"
#include "classtests/TestRunSoFar.h"
#include "platform/FileError.h"
#include "pupils/Outbox.h"
#include "pupils/StoreRun.h"

namespace {

void StoreLeftRun(const std::string& outbox, const PupilsFolder& pupils,
                  const TestRunSoFar& soFar) {
    try {
        StoreRun(pupils, soFar.pupil, soFar.run, {});
    } catch (const FileError&) {
        KeepInOutbox(outbox, soFar.pupil, soFar.run, {});
    }
}

} // namespace

int EndLeftAttempts(const std::string& outbox, const PupilsFolder& pupils) {
    int ended = 0;
    for (const TestRunSoFar& soFar : TestRunsLeftSoFar(outbox)) {
        try {
            const ClassTest test = LoadClassTest(pupils, soFar.testId);
            const TestResult result = MakeTestResult(test, soFar.pupil, soFar.attempt, soFar.run,
                                                     soFar.secondsUsed, true);
            if (EndOrphanedAttempt(pupils, soFar.testId, result)) {
                StoreLeftRun(outbox, pupils, soFar);
                ++ended;
            }
            ForgetTestRunSoFar(outbox, soFar);
        } catch (const FileError&) {
        }
    }
    return ended;
}
