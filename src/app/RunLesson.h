// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

// Runs one lesson from its introduction to the stored result. With
// offerNextLesson, a passed run's result window offers the next lesson;
// true when the pupil took it.
bool RunLesson(std::string path, bool offerNextLesson = false);

// Runs the practice lesson of the current pupil's weakest keys, stored as
// "Trudne klawisze"; a pupil with too little history is told how much more
// to type first.
void RunWeakKeyLesson();
