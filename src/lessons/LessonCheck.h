#pragma once

#include <functional>
#include <string>
#include <vector>

// Whether a pupil can type a Windows-1250 character on the keyboard.
using TypableCharacter = std::function<bool(char ch)>;

// What a teacher must mend in one lesson file, in Polish (UTF-8), read the
// way the lesson run reads it: a file that cannot be read or is neither
// Windows-1250 nor UTF-8 text, a value the program cuts short, a drill that
// shows the error line, an import text or a document that cannot be found,
// a lesson with nothing to type (the "run" document is looked for below
// programFolder). With typable, also every character of the
// lines, drills and import text that a pupil cannot type (text pasted from
// a word processor: „ ” – … and non-breaking spaces), with its line and
// column. Empty for a sound lesson.
std::vector<std::string> LessonProblems(const std::string& path, const std::string& programFolder,
                                        const TypableCharacter& typable = {});
