// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

// The layers of the source folders: a folder includes only folders of a
// lower layer, or its own.
const std::map<std::string, int> kLayers{
    {"platform", 1}, {"lessons", 2}, {"pupils", 2},     {"keyboard", 2}, {"exercise", 3},
    {"stats", 3},    {"teacher", 4}, {"classtests", 4}, {"chooser", 5},  {"app", 6},
};

// A source file and its header, "pupils/StoreRun", and the files it
// includes.
using IncludeGraph = std::map<std::string, std::set<std::string>>;

IncludeGraph IncludesOfSources() {
    const std::filesystem::path sources(TASTRUM_SOURCE_DIR);
    const std::regex include(R"re(^\s*#\s*include\s*"([a-z]+/\w+)\.h")re");
    IncludeGraph graph;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(sources)) {
        const auto extension = entry.path().extension();
        if (extension != ".h" && extension != ".cpp")
            continue;
        const std::string file =
            entry.path().parent_path().filename().string() + "/" + entry.path().stem().string();
        std::set<std::string>& includes = graph[file];
        std::ifstream text(entry.path());
        std::smatch match;
        for (std::string line; std::getline(text, line);)
            if (std::regex_search(line, match, include) && match[1] != file)
                includes.insert(match[1]);
    }
    return graph;
}

// The files of one circle of includes, or none.
std::vector<std::string> FindCircle(const IncludeGraph& graph) {
    std::map<std::string, int> state; // 1 on the path walked now, 2 done
    std::vector<std::string> path;
    std::vector<std::string> circle;
    const std::function<bool(const std::string&)> walk = [&](const std::string& file) {
        state[file] = 1;
        path.push_back(file);
        if (const auto found = graph.find(file); found != graph.end())
            for (const std::string& next : found->second) {
                if (state[next] == 1) {
                    circle.assign(std::find(path.begin(), path.end(), next), path.end());
                    return true;
                }
                if (state[next] == 0 && walk(next))
                    return true;
            }
        path.pop_back();
        state[file] = 2;
        return false;
    };
    for (const auto& [file, includes] : graph)
        if (state[file] == 0 && walk(file))
            break;
    return circle;
}

} // namespace

// Two files that need each other are one piece in two places: each file's
// includes lead only to files that never lead back to it.
TEST(Layering, NoSourceFilesNeedEachOtherInACircle) {
    const IncludeGraph graph = IncludesOfSources();
    EXPECT_GT(graph.size(), 50u);
    std::string circle;
    for (const std::string& file : FindCircle(graph))
        circle += file + " -> ";
    EXPECT_EQ(circle, "");
}

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
