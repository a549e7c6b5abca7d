// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "pupils/CharErrorCount.h"

#include <string>

// The line under a run's result that tells a child what to aim at (UTF-8):
// what the next grade needs, in words a ten-year-old reads ("Do czwórki:
// ponad 80 znaków na minutę i bez błędów.", or, when the run was fast
// enough and only its errors held the grade back, "Do czwórki: bez błędów —
// ćwicz ł."), and which characters this run mistyped, most often first.
std::string NextStepText(int grade, double charsPerMinute, const CharErrorArray& runErrors);
