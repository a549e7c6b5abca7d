#pragma once

#include "TempFolder.h"
#include "app/Paths.h"
#include "pupils/PupilRegistry.h"
#include "pupils/StatRecord.h"

#include <gtest/gtest.h>

// A program folder of the test's own, so pupils and their files are made in
// a temporary folder; no pupil is current at the start.
class PupilsFixture : public testing::Test {
protected:
    void SetUp() override {
        OverrideProgramFolder(m_program.Path());
        g_currentPupil.clear();
    }
    void TearDown() override {
        OverrideProgramFolder("");
        g_currentPupil.clear();
    }

    std::string PupilsFolder() const { return m_program / "Data/Pupils"; }

    static StatRecord MakeRun(const std::string& lesson, double charsPerMinute = 150.0) {
        StatRecord run;
        run.lesson = lesson;
        run.charsPerMinute = charsPerMinute;
        run.date = COleDateTime::FromDateTime(2026, 12, 7, 10, 30);
        run.errorPercent = 2.0;
        return run;
    }

    TempFolder m_program;
};
