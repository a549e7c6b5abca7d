#pragma once

#include "lessons/StringList.h"

#include <string>

// The pupil whose runs are stored and shown (Windows-1250), chosen once at
// start; empty when no pupil was chosen.
extern std::string g_currentPupil;

std::string GetCurrentPupil();

// Appends the names of the pupils (the folders in the pupils folder, each
// under its whole name, in Windows-1250) in the order the file system lists
// them, and returns how many it appended. A folder whose name has characters
// that Windows-1250 lacks is left out: its runs could not be stored under it.
int ListPupils(StringList& names);
