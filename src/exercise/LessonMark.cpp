// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercise/LessonMark.h"

#include "exercise/Grading.h"
#include "platform/Format.h"

LessonMark MarkForBestGrade(int bestGrade, bool onlyEndedEarly) {
    if (bestGrade == 0 && onlyEndedEarly)
        return {"  (przerwane)", 200, 50, 50};
    if (bestGrade < kPassGrade)
        return {"  (nie zaliczone)", 200, 50, 50};
    return {"  (zaliczone na " + FormatInt(bestGrade) + ")", 0, 0,
            static_cast<uint8_t>(bestGrade * 40 + 50)};
}
