// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "classtests/ClassTest.h"
#include "platform/ProgramFolders.h"

#include <chrono>
#include <string>
#include <vector>

// A test lives in the class folder as Sprawdziany/<id>/sprawdzian.txt, a
// small UTF-8 text a teacher can read: the line "tastrum sprawdzian 1",
// then "klucz=wartość" lines, then the text's lines after "[tekst]". Beside
// it are the folders of its results (wyniki), of the attempts started
// (rozpoczete) and of the extra attempts the teacher allows (dodatkowe).
// Editing or closing a test rewrites only sprawdzian.txt.

// Sprawdziany/<id> in the pupils folder.
std::string ClassTestFolder(const PupilsFolder& pupils, const std::string& id);

// "2026-12-07", as the file has a day.
std::string FormatDay(std::chrono::sys_days day);

std::string EncodeClassTest(const ClassTest& test);
// The test the bytes hold, with the given id. Throws FileError naming path
// for a file that is damaged, foreign, or not a test the program can set.
ClassTest ParseClassTest(const std::string& bytes, const std::string& path, const std::string& id);

// The folder's name for a test of that name: lower-case ASCII letters,
// digits and dashes only ("Dyktando ósme" gives "dyktando-osme").
std::string TestIdFromName(const std::string& name);

// Sets a new test: makes its folder under an id no other test has (the
// server decides it, so two teachers never share one), writes it and
// returns the id. Throws FileError when the test is not sound or the class
// folder cannot be written.
std::string AddClassTest(const PupilsFolder& pupils, ClassTest test);
// Rewrites the test's sprawdzian.txt, nothing else. Throws FileError.
void SaveClassTest(const PupilsFolder& pupils, const ClassTest& test);
// Throws FileError when the test cannot be read or is damaged.
ClassTest LoadClassTest(const PupilsFolder& pupils, const std::string& id);

// One test of the class folder, or why it cannot be read.
struct ListedClassTest {
    std::string id;
    ClassTest test;      // its id alone when it cannot be read
    std::string problem; // why not (Polish, UTF-8); empty when it can
};
// The tests of the class folder, in the Polish order of their names; none
// when there is no folder of tests yet. Throws FileError when the folder of
// tests cannot be read.
std::vector<ListedClassTest> ListClassTests(const PupilsFolder& pupils);
