// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/ProgramFolders.h"
#include "pupils/CharErrorCount.h"
#include "pupils/StatRecord.h"

#include <string>
#include <vector>

// Runs that could not reach the pupil's folder (a school's share that is
// away) wait on this computer, in the outbox folder of the program's
// folders, one file a run, until they can be stored, oldest first.

// Puts the run into the outbox. Throws FileError when even that fails.
void KeepInOutbox(const std::string& outbox, const std::string& pupil, const StatRecord& run,
                  const CharErrorArray& errors);

struct OutboxDelivery {
    int delivered = 0;
    int waiting = 0;
    // What went wrong with the first run that could not be stored (Polish,
    // UTF-8); empty when none failed.
    std::string problem;
};

// Stores the waiting runs into their pupils' files, oldest first, each
// exactly once even when a delivery was cut short before (a run already in
// the file is not added again). Stops at the first run that cannot be
// stored, so the order holds; a file of the outbox that cannot be read is
// set aside under a name of its own and reported.
OutboxDelivery DeliverOutbox(const std::string& outbox, const PupilsFolder& pupils);

// How many runs wait in the outbox.
int CountOutbox(const std::string& outbox);
