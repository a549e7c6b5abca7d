// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>

QIcon ProgramIcon(); // the application's icon
QIcon LessonIcon();  // drawn at 16 x 16 before every lesson
QIcon NextLessonIcon(); // before the first lesson the pupil has not passed yet
