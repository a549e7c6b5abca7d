#pragma once

class SoundPlayer;

// The sound of a wrong key: "error.wav" from the current folder, else from
// the program folder, loaded once, at the first call of Load or Play, and
// played without waiting. Without the file or a sound device it stays
// silent. The program builds one and reaches it through its context.
class CErrorSound {
public:
    CErrorSound() = default;
    ~CErrorSound();
    CErrorSound(const CErrorSound&) = delete;
    CErrorSound& operator=(const CErrorSound&) = delete;

    void Load();
    void Play();

private:
    bool m_loaded = false;
    SoundPlayer* m_player = nullptr;
};
