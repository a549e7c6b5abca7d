// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>

// The keyboard layout the pupil types with now: under X11 the XKB layout of
// the keyboard's active group ("pl", "pl(legacy)", "us"). Nothing when it
// cannot be told: under Wayland (the locale is no keymap), on the offscreen
// platform, or without a display. Before the application starts (on the
// command line) it asks the X display of $DISPLAY, if there is one.
std::optional<std::string> ActiveKeyboardLayout();
