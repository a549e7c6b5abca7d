// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "pupils/CharErrorCount.h"
#include "pupils/PupilStats.h"
#include "pupils/StatRecord.h"

#include <cstdint>
#include <set>
#include <string>
#include <vector>

// Each run is first kept in a file of its own in the pupil's folder, the
// bytes of a stat.dat of that one run, under a name no other computer can
// give (a new file's name is decided by the server, even on a share that
// shows other files as they were a second ago). The runs are then folded
// into stat.dat; a reader folds in those not there yet, so a run is stored
// once its file is made, whatever happens to stat.dat after. A run's file
// goes only when it is a week old and stat.dat holds the run.
//
// The name tells the run's time and a key made of its fields
// ("wynik-<seconds>-<key>-<unique>.dat"), so that only the files of runs
// stat.dat does not hold are ever read.

// A run file as its name tells it.
struct RunFileName {
    std::string path;
    int64_t seconds = 0; // the run's date, in seconds
    std::string key;
};

// A run read from its file.
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

// The run files of the pupil's folder; none where it cannot be read.
std::vector<RunFileName> ListRunFiles(const std::string& pupilFolder);

// The key of a run, alike for runs alike to the bit.
std::string RunKey(const StatRecord& run);
// The keys of the runs no older than the oldest of the files, which stand
// at the end of a stat.dat kept in date order.
std::set<std::string> KeysOfRecentRuns(const CStatRecordArray& runs,
                                       const std::vector<RunFileName>& files);
// A run's date as run files name it, in seconds; the oldest of the files'.
int64_t RunSeconds(const StatRecord& run);
int64_t OldestSeconds(const std::vector<RunFileName>& files);

// The runs of the files whose keys are not in held, oldest first. A file
// that cannot be read now, or is not such a file, is left out (and left
// alone).
std::vector<KeptRun> ReadRunFiles(const std::vector<RunFileName>& files,
                                  const std::set<std::string>& held);

// The same run: every field alike to the bit, so that a run whose numbers
// are not numbers is still found again.
bool SameRun(const StatRecord& a, const StatRecord& b);
bool Holds(const CStatRecordArray& runs, const StatRecord& run);

// Adds to stats each kept run it does not hold, with its character errors,
// at its place by date; true when any was added.
bool FoldIn(CPupilStats& stats, const std::vector<KeptRun>& kept);

// Removes the files whose runs stat.dat holds (their keys in held) and that
// are a week older than the newest of them and of statFile, by the share's
// own clock.
void RemoveFoldedRunFiles(const std::vector<RunFileName>& files, const std::set<std::string>& held,
                          const std::string& statFile);
