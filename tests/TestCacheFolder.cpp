// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace {

// What the program keeps in the user's cache folder goes to a folder of the
// tests' own, so that a developer's cache is neither read nor touched.
class TestCacheFolder : public testing::Environment {
public:
    void SetUp() override {
        m_folder = std::make_unique<TempFolder>();
        setenv("XDG_CACHE_HOME", m_folder->Path().c_str(), 1);
    }
    void TearDown() override { m_folder.reset(); }

private:
    std::unique_ptr<TempFolder> m_folder;
};

[[maybe_unused]] testing::Environment* const kTestCacheFolder =
    testing::AddGlobalTestEnvironment(new TestCacheFolder);

} // namespace
