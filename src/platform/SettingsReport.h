// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

// What `tastrum --show-config` prints, in Polish: the settings files read
// (the user's, then each of $XDG_CONFIG_DIRS, the first one that sets a key
// wins), every setting in effect and where it came from (an environment
// variable, a file, or the default), and a warning for each key the program
// does not know, such as a misspelt "pupilsfolder". The count of warnings
// comes back in unknownKeys.
std::string SettingsReport(int& unknownKeys);
