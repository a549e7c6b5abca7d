#pragma once

#include <string>

// Runs one lesson from its introduction to the stored result.
void RunLesson(std::string path);
