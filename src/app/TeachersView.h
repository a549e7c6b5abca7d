// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/TeacherAccess.h"

// Whether the window opens with the teacher's view, asked for with
// --teacher or TeacherMode=true: at once when the account is granted it,
// after the teacher's password when one is set, and otherwise not, with
// word of who grants it.
bool OpenTeachersView(TeacherAccess access);
