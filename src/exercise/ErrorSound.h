#pragma once

// The sound of a wrong key: "error.wav" from the current folder, else from
// the program folder. It is loaded once, at the first call of either
// function, and played without waiting; without the file or a sound device
// typing simply goes on in silence.
void LoadErrorSound();
void PlayErrorSound();
