// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/ProgramContext.h"

#include <random>
#include <string>
#include <string_view>

// One drill line: groupCount groups of groupLength characters drawn
// uniformly from characters (a character written twice is drawn twice as
// often), with separator between groups. A count of 0 or less gives an empty
// line; a length of 0 or less gives separators only. An empty set of
// characters draws nothing.
std::string GenerateRandomText(std::string_view characters, long groupLength, long groupCount,
                               std::string_view separator, RandomEngine& engine);
