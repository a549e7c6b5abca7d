#pragma once

// Opens help/index.htm beside the program in the desktop's viewer, with the
// help folder as working folder, without waiting. Nothing is said when the
// page or a viewer is missing.
void OpenHelpFile();
