#pragma once

// Gives memory the program has freed back to the system, so that a window
// that held a long history leaves the program as small as before it.
void ReturnFreedMemory();
