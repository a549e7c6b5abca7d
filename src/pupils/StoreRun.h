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
// creating the pupil's folder and file when missing. Copies of the program
// storing runs for the same pupil at once, on one computer or several, take
// turns through the file's lock, so none is lost. Where the share's locks
// do not exclude, each save checks that nobody replaced the file between its
// read and its write, reads its run back, and tries again a few times before
// it reports failure.
//
// A damaged or foreign stat.dat is kept beside it under a new name, and the
// runs that could be read from it go into the new file with this run; the
// result then says so. Throws FileError when the file cannot be read or
// written, or cannot even be looked at (only "no such file" means a pupil
// without runs): the run is then not stored, and the file stays as it was.
StoreRunResult StoreRun(const PupilsFolder& pupils, const std::string& pupil, StatRecord run,
                        const CharErrorArray& errors);

// StoreRun for a run that may have been stored before (one delivered from
// the outbox after a crash): a run equal to it in the file is not added
// again.
StoreRunResult StoreRunOnce(const PupilsFolder& pupils, const std::string& pupil,
                            const StatRecord& run, const CharErrorArray& errors);
