#pragma once

// Shows help/index.htm beside the program in the program's own help window
// (CHelpWindow), without waiting.
void OpenHelpFile();
