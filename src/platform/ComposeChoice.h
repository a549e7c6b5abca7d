// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string_view>

// Whether keys reach the program through Qt's own compose input context,
// which reads the X11 compose table itself, given the value of QT_IM_MODULE
// (nothing when it is not set). Qt uses it when the variable is not set, and
// for "compose" and "xim"; any other value names an input method (ibus,
// fcitx, ...), or, when empty or unknown, leaves the program without one.
bool UsesQtComposeInput(std::optional<std::string_view> imModule);
