// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TempFolder.h"
#include "platform/ProgramContext.h"

#include <gtest/gtest.h>

// A test with a program context of its own, whose program folder is a
// temporary folder, so lessons, pupils and their files are made there; no
// pupil is chosen at the start.
class ProgramFolderTest : public testing::Test {
protected:
    TempFolder m_program;
    CProgramContext m_context{m_program.Path()};

    const PupilsFolder& Pupils() const { return m_context.Folders().pupils; }
    const std::string& Outbox() const { return m_context.Folders().outbox; }
};
