// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

// Every source file says whose it is and under which licence, in its first
// two lines; the licence's text is COPYING at the top of the tree.
TEST(SourceHeaders, EverySourceFileNamesItsLicence) {
    const std::filesystem::path top = std::filesystem::path(TASTRUM_SOURCE_DIR).parent_path();
    EXPECT_TRUE(std::filesystem::exists(top / "COPYING"));
    int files = 0;
    for (const char* folder : {"src", "tests", "bench", "tools"})
        for (const auto& entry : std::filesystem::recursive_directory_iterator(top / folder)) {
            const std::string extension = entry.path().extension().string();
            if (extension != ".cpp" && extension != ".h")
                continue;
            std::ifstream file(entry.path());
            std::string first, second;
            std::getline(file, first);
            std::getline(file, second);
            EXPECT_EQ(first, "// SPDX-FileCopyrightText: 2026 Tastrum developers") << entry.path();
            EXPECT_EQ(second, "// SPDX-License-Identifier: GPL-3.0-or-later") << entry.path();
            ++files;
        }
    EXPECT_GT(files, 300);
}
