#pragma once

#include <string>

// Where the pupils' files lie. A pupil is a folder in the pupils folder,
// named after the pupil; pupil names are Windows-1250, the paths returned
// are in the system's encoding. Only MakePupilFolder touches the disk.

std::string GetPupilsFolder(); // from the program context
// The empty name (no pupil chosen) is the pupils folder itself.
std::string GetPupilFolder(const std::string& pupil);
std::string GetStatFilePath(const std::string& pupil); // pupil folder + "/stat.dat"

// Creates the pupil's folder when missing (writable for the group when the
// pupils folder is shared with one), and the pupils folder too unless the
// school set it. Throws FileError when it cannot, or when the pupils folder
// is not available (see PupilsFolderProblem).
void MakePupilFolder(const std::string& pupil);
