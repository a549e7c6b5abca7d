// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "classtests/TestResult.h"
#include "platform/ProgramFolders.h"

#include <string>
#include <vector>

// A test's result that could not reach the class folder (a share that is
// away) waits on this computer beside the runs of the outbox, as
// sprawdziany/<test's id>/<pupil>-<attempt>.txt in the outbox folder, until
// it can be saved.

// Puts the result into the outbox. Throws FileError when even that fails.
void KeepTestResultWaiting(const std::string& outbox, const std::string& testId,
                           const TestResult& result);

// Saves the waiting results into their tests' folders and removes them from
// the outbox; a result the attempt has already is dropped, as an attempt's
// result is never changed. One that cannot be saved waits on. How many
// were saved.
int DeliverWaitingTestResults(const std::string& outbox, const PupilsFolder& pupils);

// The outbox's folder of the test's waiting files, and the tests that have
// one. Throws FileError when the outbox cannot be read.
std::string WaitingTestFolder(const std::string& outbox, const std::string& testId);
std::vector<std::string> WaitingTestIds(const std::string& outbox);
