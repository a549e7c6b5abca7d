// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

// Pupils' names (UTF-8 here; the program holds them in Windows-1250) as a
// scan of the pupils folder may find them, and in the one Polish order that
// every list of the program shows: the CSV export and the class store
// (PolishLessCp1250) as well as the windows' lists and the class window's
// table (PolishLess). Letter case aside, a ą b c ć … l ł … s ś … z ź ż;
// letters of other languages with their plain letter (é with e);
// digits before letters; spaces, hyphens, apostrophes and any other
// character after the letters. Of names equal but for letter case the CSV
// puts the capital first, and a window keeps them in the order they came:
// here too the capital first.

// clang-format off
inline const std::vector<std::string> kNamesAsFound = {
    "Żaneta", "Anna Maria", "Zosia", "(gość)", "Ścibor", "O'Neill", "Szymon", "Jan-Paweł",
    "Łucja", "Annabel", "lena", "Ludwik", "2a", "Celina", "Źrałek", "Ćwik", "Janek", "dawid",
    "Oliwia", "Anna", "Czesław", "Ala", "Jan", "ala", "10b", "Müller", "Čech", "Éva",
};

inline const std::vector<std::string> kNamesInPolishOrder = {
    "10b", "2a",
    "Ala", "ala", "Anna", "Annabel", "Anna Maria",
    "Čech", "Celina", "Czesław",
    "Ćwik",
    "dawid",
    "Éva",
    "Jan", "Janek", "Jan-Paweł",
    "lena", "Ludwik",
    "Łucja",
    "Müller",
    "Oliwia", "O'Neill",
    "Szymon",
    "Ścibor",
    "Zosia",
    "Źrałek",
    "Żaneta",
    "(gość)",
};
// clang-format on
