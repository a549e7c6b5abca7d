#pragma once

#include "platform/ProgramFolders.h"
#include "pupils/KeyPress.h"
#include "pupils/KeyStats.h"

#include <string>
#include <vector>

// A pupil's key measurements live beside stat.dat in klawisze.dat, written
// as stat.dat is: under a lock, through a temporary file renamed over it, a
// damaged file kept under a name of its own, and never replaced after a
// failed read. stat.dat itself is not touched.

std::string GetKeyStatsPath(const PupilsFolder& pupils, const std::string& pupil);

// The pupil's measurements; without klawisze.dat, the errors stat.dat counts.
// Throws FileError when a file cannot be read now, or klawisze.dat is
// damaged.
CKeyStats LoadKeyStats(const PupilsFolder& pupils, const std::string& pupil);
// The same for a reader that holds stat.dat's character errors already, so
// that stat.dat is not read twice.
CKeyStats LoadKeyStats(const PupilsFolder& pupils, const std::string& pupil,
                       const CharErrorArray& statFileErrors);

// Adds one run's first tries to the pupil's measurements. A damaged
// klawisze.dat is kept aside and the measurements start again from the
// errors stat.dat counts. Throws FileError, changing nothing, when a file
// cannot be read or written.
void StoreKeyPresses(const PupilsFolder& pupils, const std::string& pupil,
                     const std::vector<KeyPress>& presses);
