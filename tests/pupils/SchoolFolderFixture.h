// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TempFolder.h"
#include "platform/ProgramContext.h"
#include "pupils/StatRecord.h"

#include <gtest/gtest.h>

// A program whose pupils folder a school set: "klasa" on a server's share,
// not made yet.
class SchoolFolderFixture : public testing::Test {
public:
    static StatRecord RunOf(const std::string& lesson, double charsPerMinute = 120.0) {
        StatRecord run;
        run.lesson = lesson;
        run.charsPerMinute = charsPerMinute;
        run.date = COleDateTime::FromDateTime(2026, 12, 7, 9, 0);
        return run;
    }

protected:
    TempFolder m_program, m_server;
    const std::string m_share = m_server / "klasa";
    CProgramContext m_context{FindProgramFolders(m_program.Path(), m_share)};

    const PupilsFolder& Pupils() const { return m_context.Folders().pupils; }
    const std::string& Outbox() const { return m_context.Folders().outbox; }
};
