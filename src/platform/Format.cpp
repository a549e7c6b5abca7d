// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Format.h"

#include <cmath>
#include <cstdio>

std::string FormatG(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%G", value);
    return buffer;
}

std::string FormatDecimalComma(double value, int decimals) {
    if (!std::isfinite(value))
        return {};
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    std::string text = buffer;
    if (const auto point = text.find('.'); point != std::string::npos)
        text[point] = ',';
    return text;
}

std::string FormatInt(int value) {
    return std::to_string(value);
}
