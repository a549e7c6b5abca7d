#pragma once

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
// storing runs for the same pupil at once take turns, so none is lost.
//
// A damaged or foreign stat.dat is kept beside it under a new name, and the
// runs that could be read from it go into the new file with this run; the
// result then says so. Throws FileError when the file cannot be read or
// written: the run is then not stored, and the file stays as it was.
StoreRunResult StoreRun(const std::string& pupil, StatRecord run, const CharErrorArray& errors);
