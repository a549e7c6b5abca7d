// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Options.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

// --help and the manual page come from one table: every option stands in
// both, and the manual page keeps the rest of its template.
TEST(Options, HelpAndTheManualPageNameEveryOption) {
    const std::string help = UsageText();
    const std::string page = ManualPage(".TH TASTRUM 1\n.SH OPTIONS\n%OPTIONS%\n.SH EXIT STATUS\n");
    EXPECT_TRUE(page.starts_with(".TH TASTRUM 1\n.SH OPTIONS\n.TP\n")) << page;
    EXPECT_TRUE(page.ends_with(".SH EXIT STATUS\n")) << page;
    for (const char* name :
         {"--teacher", "--help", "--version", "--check-lessons", "--export-csv", "--tests",
          "--export-test", "--weak-keys", "--show-config", "--init-pupils-folder",
          "--init-lessons-folder", "--set-teacher-password"}) {
        EXPECT_NE(help.find(std::string("  ") + name), std::string::npos) << name;
        const std::string roff = std::regex_replace(name, std::regex("-"), "\\-");
        EXPECT_NE(page.find(roff), std::string::npos) << name;
    }
    EXPECT_EQ(ProgramOptions().size(), 12u) << "a new option needs its place above";
    EXPECT_NE(
        help.find(
            "  --init-pupils-folder FOLDER [GRUPA]\n                            przygotowuje"),
        std::string::npos)
        << help;
}

// Both manual pages, English and Polish, name every option --help names in
// their synopsis, and describe each; the Polish one in --help's own words.
TEST(Options, BothManualPagesNameAndDescribeEveryOption) {
    for (const char* name : {"tastrum.1.in", "tastrum.pl.1.in"}) {
        SCOPED_TRACE(name);
        std::ifstream file(std::string(TASTRUM_SOURCE_DIR) + "/../data/" + name);
        std::stringstream text;
        text << file.rdbuf();
        const std::string page = ManualPage(text.str());
        const size_t synopsis = page.find(".SH S");
        const std::string head = page.substr(synopsis, page.find(".SH ", synopsis + 4) - synopsis);
        for (const ProgramOption& option : ProgramOptions()) {
            const std::string usage = option.usage;
            const std::string roff =
                std::regex_replace(usage.substr(0, usage.find(' ')), std::regex("-"), "\\-");
            EXPECT_NE(head.find(roff), std::string::npos) << usage;
            EXPECT_NE(page.find(std::string(".TP\n") + option.manUsage), std::string::npos)
                << usage;
        }
        EXPECT_EQ(page.find("%OP"), std::string::npos);
    }
}

// The AppStream release a software centre shows is the program's version.
TEST(Options, TheAppStreamReleaseIsTheProgramsVersion) {
    std::ifstream file(std::string(TASTRUM_SOURCE_DIR) +
                       "/../data/org.tastrum.tastrum.metainfo.xml");
    std::stringstream text;
    text << file.rdbuf();
    EXPECT_NE(text.str().find(std::string("<release version=\"") + TASTRUM_VERSION + "\""),
              std::string::npos);
}
