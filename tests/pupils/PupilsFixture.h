// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ProgramFolderTest.h"
#include "pupils/PupilRegistry.h"
#include "pupils/StatRecord.h"

// Pupils and their files in a program folder of the test's own.
class PupilsFixture : public ProgramFolderTest {
protected:
    std::string PupilsFolder() const { return m_program / "Data/Pupils"; }

    static StatRecord MakeRun(const std::string& lesson, double charsPerMinute = 150.0) {
        StatRecord run;
        run.lesson = lesson;
        run.charsPerMinute = charsPerMinute;
        run.date = COleDateTime::FromDateTime(2026, 12, 7, 10, 30);
        run.errorPercent = 2.0;
        return run;
    }
};
