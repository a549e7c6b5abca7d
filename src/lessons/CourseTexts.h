#pragma once

#include "lessons/LessonListing.h"
#include "platform/StringList.h"

#include <vector>

// The lines of the listed lessons and of their import texts (Windows-1250),
// that a practice lesson draws its words from. A lesson or import text that
// cannot be read adds nothing.
StringList CourseTexts(const std::vector<ListedLesson>& lessons);
