#pragma once

#include "TempFolder.h"
#include "app/Paths.h"
#include "pupils/PupilRegistry.h"

#include <gtest/gtest.h>

// A test with a program folder of its own in a temporary folder, so lessons,
// pupils and their files are made there; no pupil is current at the start.
class ProgramFolderTest : public testing::Test {
protected:
    void SetUp() override {
        OverrideProgramFolder(m_program.Path());
        g_currentPupil.clear();
    }
    void TearDown() override {
        OverrideProgramFolder("");
        g_currentPupil.clear();
    }

    TempFolder m_program;
};
