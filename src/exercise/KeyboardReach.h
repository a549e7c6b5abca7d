// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "lessons/LessonCheck.h"

// How a pupil reaches a character (Windows-1250) on the Polish keyboard the
// lessons teach: by a taught key or chord, by an AltGr chord the course does
// not teach, or not at all. What a lesson's check asks of each character.
CharacterReach ReachOnKeyboard(char ch);
