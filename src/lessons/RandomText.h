#pragma once

#include <random>
#include <string>
#include <string_view>

using RandomEngine = std::mt19937;

// The program's one engine for drill lines, seeded once from the system's
// entropy, so that every start draws new drills.
RandomEngine& ProgramRandomEngine();

// One drill line: groupCount groups of groupLength characters drawn
// uniformly from characters (a character written twice is drawn twice as
// often), with separator between groups. A count of 0 or less gives an empty
// line; a length of 0 or less gives separators only. An empty set of
// characters draws nothing.
std::string GenerateRandomText(std::string_view characters, long groupLength, long groupCount,
                               std::string_view separator, RandomEngine& engine);
