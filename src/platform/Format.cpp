#include "platform/Format.h"

#include <cstdio>

std::string FormatG(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%G", value);
    return buffer;
}

std::string FormatInt(int value) {
    return std::to_string(value);
}
