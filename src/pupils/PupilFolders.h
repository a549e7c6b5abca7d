#pragma once

#include <string>

// Where the pupils' files lie. A pupil is a folder in the pupils folder,
// named after the pupil; pupil names are Windows-1250, the paths returned
// are in the system's encoding. Only MakePupilFolder touches the disk.

std::string GetPupilsFolder(); // data folder + "/Pupils"
// The empty name (no pupil chosen) is the pupils folder itself.
std::string GetPupilFolder(const std::string& pupil);
std::string GetStatFilePath(const std::string& pupil); // pupil folder + "/stat.dat"

// Creates the pupil's folder, and the pupils folder, when missing. Throws
// FileError when it cannot.
void MakePupilFolder(const std::string& pupil);
