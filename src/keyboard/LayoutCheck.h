// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/StringList.h"

#include <optional>
#include <string>
#include <string_view>

// What the pupil and the administrator are told when the keyboard layout in
// use cannot type the Polish letters (UTF-8).
inline constexpr char kPolishLayoutWarning[] = "Ustaw polski układ klawiatury (Polski programisty)";

// True for a Polish letter (Windows-1250): one that right Alt types on the
// Polish (programmers) keyboard.
bool IsPolishLetter(char ch);

// True when a line (Windows-1250) holds a Polish letter.
bool HasPolishLetters(const StringList& lines);

// True when a keyboard layout types the Polish letters. The layout is named
// as XKB names it ("pl", "pl(legacy)", "us") or as a locale ("pl_PL").
bool TypesPolishLetters(std::string_view layout);

// The warning to show when the layout in use is known and cannot type the
// Polish letters; nothing otherwise.
std::optional<std::string> PolishLayoutWarning(const std::optional<std::string>& activeLayout);
