// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

// How a wrong key is heard: load readies the sound before the first
// exercise, play plays it without waiting. Either left empty stays silent.
struct ErrorBeep {
    std::function<void()> load;
    std::function<void()> play;
};
