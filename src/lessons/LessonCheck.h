// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <string>
#include <vector>

// How a pupil reaches a Windows-1250 character on the keyboard: with a key
// and maybe Shift, or AltGr for a Polish letter, as the course teaches; with
// a chord no lesson teaches (AltGr for „ ” – … €); or not at all.
enum class CharacterReach { Taught, UntaughtChord, NoKey };
using CharacterReachOf = std::function<CharacterReach(char ch)>;

// What the check of one lesson file found, in Polish (UTF-8).
struct LessonCheck {
    // What a teacher must mend, read the way the lesson run reads the file:
    // a file that cannot be read or is neither Windows-1250 nor UTF-8 text,
    // a value the program cuts short, a drill that shows the error line, an
    // import text or a document that cannot be found, a lesson with nothing
    // to type (the "run" document is looked for below programFolder). With
    // reach, also each character of the lines, drills and import text that
    // no key types (text pasted from a word processor: non-breaking
    // spaces), once, with how often it comes and where first.
    std::vector<std::string> problems;
    // With reach, each character that takes a chord no lesson teaches, as
    // the characters above: a child will not find it.
    std::vector<std::string> warnings;
};

LessonCheck CheckLesson(const std::string& path, const std::string& programFolder,
                        const CharacterReachOf& reach = {});
