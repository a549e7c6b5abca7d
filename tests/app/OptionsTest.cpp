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
    for (const char* name : {"--teacher", "--help", "--version", "--check-lessons", "--export-csv",
                             "--weak-keys", "--show-config", "--init-pupils-folder",
                             "--init-lessons-folder", "--set-teacher-password"}) {
        EXPECT_NE(help.find(std::string("  ") + name), std::string::npos) << name;
        const std::string roff = std::regex_replace(name, std::regex("-"), "\\-");
        EXPECT_NE(page.find(roff), std::string::npos) << name;
    }
    EXPECT_EQ(ProgramOptions().size(), 10u) << "a new option needs its place above";
    EXPECT_NE(
        help.find(
            "  --init-pupils-folder FOLDER [GRUPA]\n                            przygotowuje"),
        std::string::npos)
        << help;
}

// The manual page's synopsis names every option --help names.
TEST(Options, TheManualPagesSynopsisNamesEveryOption) {
    std::ifstream file(std::string(TASTRUM_SOURCE_DIR) + "/../data/tastrum.1.in");
    std::stringstream text;
    text << file.rdbuf();
    const std::string page = text.str();
    const std::string synopsis =
        page.substr(page.find(".SH SYNOPSIS"), page.find(".SH DESCRIPTION") - page.find(".SH SYNOPSIS"));
    for (const ProgramOption& option : ProgramOptions()) {
        const std::string name = std::string(option.usage).substr(0, std::string(option.usage).find(' '));
        EXPECT_NE(synopsis.find(std::regex_replace(name, std::regex("-"), "\\-")), std::string::npos)
            << name;
    }
}

// The AppStream release a software centre shows is the program's version.
TEST(Options, TheAppStreamReleaseIsTheProgramsVersion) {
    std::ifstream file(std::string(TASTRUM_SOURCE_DIR) + "/../data/org.tastrum.tastrum.metainfo.xml");
    std::stringstream text;
    text << file.rdbuf();
    EXPECT_NE(text.str().find(std::string("<release version=\"") + TASTRUM_VERSION + "\""),
              std::string::npos);
}
