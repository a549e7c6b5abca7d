#pragma once

#include "platform/StringList.h"

#include <string>

// The pupil whose runs are stored and shown (Windows-1250), chosen once at
// start and kept by the program context; empty when no pupil was chosen.
std::string GetCurrentPupil();
void SetCurrentPupil(const std::string& pupil);

// Appends the names of the pupils (the folders in the pupils folder, each
// under its whole name, in Windows-1250) in the order the file system lists
// them, and returns how many it appended. A folder whose name has characters
// that Windows-1250 lacks is left out: its runs could not be stored under it.
int ListPupils(StringList& names);
