#pragma once

#include <string>
#include <vector>

// What a teacher must mend in one lesson file, in Polish (UTF-8), read the
// way the lesson run reads it: a file that cannot be read or is neither
// Windows-1250 nor UTF-8 text, a value the program cuts short, a drill that
// shows the error line, an import text or a document that cannot be found,
// a lesson with nothing to type. Empty for a sound lesson.
std::vector<std::string> LessonProblems(const std::string& path);
