// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <string>

namespace {

// The layers of the source folders: a folder includes only folders of a
// lower layer, or its own.
const std::map<std::string, int> kLayers{
    {"platform", 1}, {"lessons", 2}, {"pupils", 2},  {"keyboard", 2}, {"exercise", 3},
    {"stats", 3},    {"teacher", 4}, {"chooser", 5}, {"app", 6},
};

} // namespace

// And a source includes only sources, so that the tests' answers to the
// file calls (tests/platform/FileFaults.h) never reach the program.
TEST(Layering, NoFolderIncludesAFolderOfItsOwnLayerOrAbove) {
    const std::filesystem::path sources(TASTRUM_SOURCE_DIR);
    const std::regex include(R"re(^\s*#\s*include\s*"(([a-z]+)/[^"]+)")re");
    int files = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(sources)) {
        const auto extension = entry.path().extension();
        if (extension != ".h" && extension != ".cpp")
            continue;
        const std::string folder = entry.path().parent_path().filename().string();
        ASSERT_TRUE(kLayers.contains(folder)) << "a folder without a layer: " << folder;
        ++files;
        std::ifstream file(entry.path());
        std::smatch match;
        for (std::string line; std::getline(file, line);) {
            if (!std::regex_search(line, match, include))
                continue;
            EXPECT_TRUE(std::filesystem::exists(sources / match[1].str()))
                << entry.path() << ": " << line;
            if (match[2] == folder)
                continue;
            const auto target = kLayers.find(match[2]);
            ASSERT_NE(target, kLayers.end()) << entry.path() << ": " << line;
            EXPECT_LT(target->second, kLayers.at(folder)) << entry.path() << ": " << line;
        }
    }
    EXPECT_GT(files, 50);
}
