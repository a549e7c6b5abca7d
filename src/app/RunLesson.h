#pragma once

#include <string>

// Runs one lesson from its introduction to the stored result. With
// offerNextLesson, a passed run's result window offers the next lesson;
// true when the pupil took it.
bool RunLesson(std::string path, bool offerNextLesson = false);
