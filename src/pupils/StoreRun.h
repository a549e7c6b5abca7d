// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/ProgramFolders.h"
#include "pupils/CharErrorCount.h"
#include "pupils/StatRecord.h"

#include <string>

// What became of a stored run that the user needs to hear about.
struct StoreRunResult {
    // Where the pupil's damaged stat.dat was kept before the run was stored;
    // empty when the file was sound or missing.
    std::string damagedFileKeptAs;
    // What to tell the user, once, in Polish (UTF-8); empty when all went
    // as usual.
    std::string notice;
};

// Adds one finished run and its character errors to the pupil's stat.dat,
// creating the pupil's folder and file when missing. The run is first kept
// in a file of its own, under a name no other computer can give, and then
// folded into stat.dat with every other run kept so and not there yet, in
// date order, under the file's lock and claim; readers fold in the kept runs
// that stat.dat does not hold, so a run overwritten by a computer that saw
// an old stat.dat (a share that caches) is never lost. A kept run's file
// goes when it is a week old and stat.dat holds the run.
//
// A damaged or foreign stat.dat is kept beside it under a new name, and the
// runs that could be read from it, and those kept in files of their own, go
// into the new file with this run; the result then says so. A stat.dat that
// would grow past what readers read is left as it is, the run kept in its
// own file, and the result says so. Throws FileError when the file cannot
// be read or written, or cannot even be looked at (only "no such file"
// means a pupil without runs): the run is then not stored, and the file
// stays as it was.
StoreRunResult StoreRun(const PupilsFolder& pupils, const std::string& pupil, StatRecord run,
                        const CharErrorArray& errors);

// StoreRun for a run that may have been stored before (one delivered from
// the outbox, by this computer or another): a run equal to it in stat.dat or
// kept in a file of its own is not added again.
StoreRunResult StoreRunOnce(const PupilsFolder& pupils, const std::string& pupil,
                            const StatRecord& run, const CharErrorArray& errors);
