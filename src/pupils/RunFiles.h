#pragma once

#include "pupils/CharErrorCount.h"
#include "pupils/PupilStats.h"
#include "pupils/StatRecord.h"

#include <cstdint>
#include <string>
#include <vector>

// Each run is first kept in a file of its own in the pupil's folder
// ("wynik-….dat", the bytes of a stat.dat of that one run), under a name no
// other computer can give (a new file's name is decided by the server, even
// on a share that shows other files as they were a second ago). The runs
// are then folded into stat.dat; a reader folds in those not there yet, so a
// run is stored once its file is made, whatever happens to stat.dat after.
// A run's file goes only when it is a week old and stat.dat holds the run.

// A run kept in a file of its own.
struct KeptRun {
    std::string path;
    StatRecord run;
    CharErrorArray errors;
    int64_t keptNs = 0; // when its file was made, by the share's clock
};

// Makes the run's file in the pupil's folder and returns its path. Throws
// FileError when it cannot be made; the run is then not stored.
std::string KeepRunFile(const std::string& pupilFolder, const StatRecord& run,
                 const CharErrorArray& errors);

// The runs kept in files of their own in the pupil's folder, oldest first.
// A file that cannot be read now or is not such a file is left out (and
// left alone).
std::vector<KeptRun> ReadRunFiles(const std::string& pupilFolder);

// The same run: every field alike to the bit, so that a run whose numbers
// are not numbers is still found again.
bool SameRun(const StatRecord& a, const StatRecord& b);
bool Holds(const CStatRecordArray& runs, const StatRecord& run);

// Adds to stats each kept run it does not hold, with its character errors,
// at its place by date; true when any was added.
bool FoldIn(CPupilStats& stats, const std::vector<KeptRun>& kept);

// Removes the files of the kept runs that stats (stat.dat as just read or
// written) holds and that are a week older than the newest of them and of
// statFile, by the share's own clock.
void RemoveFoldedRunFiles(const std::vector<KeptRun>& kept, const CStatRecordArray& stats,
                          const std::string& statFile);
