#pragma once

#include <string>

// Numbers as the C library prints them with "%G" and "%i"; every number the
// program shows goes through these two.
std::string FormatG(double value);
std::string FormatInt(int value);
