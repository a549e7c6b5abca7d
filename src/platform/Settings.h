// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSettings>

#include <memory>
#include <string>

// The program's settings in tastrum.conf: the user's file in
// ~/.config/tastrum/, over the system's in /etc/xdg/tastrum/.
std::unique_ptr<QSettings> ProgramSettings();

// The pupils folder the school set: $TASTRUM_PUPILS, else PupilsFolder= in
// tastrum.conf; empty when neither is set.
std::string SchoolPupilsFolder();

// The lessons folder the school shares: $TASTRUM_LESSONS, else
// LessonsFolder= in tastrum.conf; empty when neither is set.
std::string SchoolLessonsFolder();

// TeacherMode=true in tastrum.conf: this computer or user runs the program
// for a teacher.
bool TeacherModeSetting();
