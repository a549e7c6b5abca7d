// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "classtests/ClassTestFile.h"

#include "classtests/KeyValueText.h"
#include "classtests/TestFolders.h"
#include "platform/BinaryFile.h"
#include "platform/Cp1250.h"
#include "platform/FileError.h"
#include "platform/PolishOrder.h"
#include "pupils/PupilFolders.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace {

using namespace std::chrono;

constexpr std::string_view kFirstLine = "tastrum sprawdzian 1";
constexpr std::string_view kOwnFirstWords = "tastrum sprawdzian ";
constexpr std::string_view kTextHeading = "[tekst]";
constexpr std::string_view kFileName = "sprawdzian.txt";
// A test's text is a few pages at most.
constexpr size_t kMaxTestFileBytes = size_t{1} << 20;
constexpr size_t kLongestId = 40;
constexpr int kMostIdsTried = 1000;
constexpr std::string_view kIdOfNoName = "sprawdzian";
constexpr int kFirstYear = 2000;

std::string MarkKey(int mark) {
    return "ocena" + std::to_string(mark);
}

std::optional<sys_days> ParseDay(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    const auto y = ParseNumber<int>(text.substr(0, 4));
    const auto m = ParseNumber<unsigned>(text.substr(5, 2));
    const auto d = ParseNumber<unsigned>(text.substr(8, 2));
    if (!y || !m || !d || *y < kFirstYear)
        return std::nullopt;
    const year_month_day date{year{*y}, month{*m}, day{*d}};
    if (!date.ok())
        return std::nullopt;
    return sys_days{date};
}

std::optional<MarkLimit> ParseLimit(std::string_view text) {
    const size_t space = text.find(' ');
    if (space == std::string_view::npos)
        return std::nullopt;
    const auto speed = ParseNumber<double>(text.substr(0, space));
    const auto errors = ParseNumber<double>(text.substr(space + 1));
    if (!speed || !errors)
        return std::nullopt;
    return MarkLimit{*speed, *errors};
}

std::optional<OwnMarks> ReadOwnMarks(KeyValues& settings) {
    const std::string kind = settings.Required("oceny");
    if (kind == "program")
        return std::nullopt;
    if (kind != "własne")
        settings.ThrowDamaged("zła wartość klucza oceny");
    OwnMarks marks;
    for (int mark = kLowestMark; mark <= kHighestSchoolMark; ++mark)
        marks[mark - 1] = settings.RequiredParsed<MarkLimit>(MarkKey(mark), ParseLimit);
    return marks;
}

ClassTest ReadTest(KeyValues& settings) {
    ClassTest test;
    test.name = settings.Required("nazwa");
    test.openFrom = settings.RequiredParsed<sys_days>("od", ParseDay);
    test.openTo = settings.RequiredParsed<sys_days>("do", ParseDay);
    test.timeLimitSeconds = settings.ParsedOr("czas", kNoTimeLimit, ParseNumber<int>);
    test.attemptsAllowed = settings.ParsedOr("podejscia", kDefaultAttempts, ParseNumber<int>);
    test.aidsAllowed = settings.ParsedOr("pomoce", 0, ParseNumber<int>) != 0;
    test.ownMarks = ReadOwnMarks(settings);
    settings.ThrowUnlessAllTaken();
    return test;
}

void ThrowUnlessSound(const ClassTest& test, const std::string& path) {
    if (const std::string problem = ClassTestProblem(test); !problem.empty())
        throw FileError(path, problem);
}

std::string TestFilePath(const PupilsFolder& pupils, const std::string& id) {
    return ClassTestFolder(pupils, id) + "/" + std::string(kFileName);
}

// Polish letters (lower case, Windows-1250) and the ASCII letters they
// stand for in a folder's name.
constexpr std::string_view kPolishLetters = "\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF";
constexpr std::string_view kPlainLetters = "acelnoszz";

char IdCharacter(char c) {
    if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
        return c;
    if (const size_t at = kPolishLetters.find(c); at != std::string_view::npos)
        return kPlainLetters[at];
    return '-';
}

} // namespace

std::string FormatDay(sys_days day) {
    const year_month_day date{day};
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

std::string ClassTestFolder(const PupilsFolder& pupils, const std::string& id) {
    return GetClassTestsFolder(pupils) + "/" + id;
}

std::string EncodeClassTest(const ClassTest& test) {
    std::string text = std::string(kFirstLine) + "\n";
    text += "nazwa=" + test.name + "\n";
    text += "od=" + FormatDay(test.openFrom) + "\n";
    text += "do=" + FormatDay(test.openTo) + "\n";
    text += "czas=" + std::to_string(test.timeLimitSeconds) + "\n";
    text += "podejscia=" + std::to_string(test.attemptsAllowed) + "\n";
    text += "pomoce=" + std::string(test.aidsAllowed ? "1" : "0") + "\n";
    text += "oceny=" + std::string(test.ownMarks ? "własne" : "program") + "\n";
    if (test.ownMarks)
        for (int mark = kLowestMark; mark <= kHighestSchoolMark; ++mark) {
            const MarkLimit& limit = (*test.ownMarks)[mark - 1];
            text += MarkKey(mark) + "=" + FormatNumber(limit.minSpeed) + " " +
                    FormatNumber(limit.maxErrorPercent) + "\n";
        }
    text += std::string(kTextHeading) + "\n";
    for (const std::string& line : test.lines)
        text += Cp1250ToUtf8(line) + "\n";
    return text;
}

ClassTest ParseClassTest(const std::string& bytes, const std::string& path, const std::string& id) {
    const std::vector<std::string> lines = SplitLines(bytes);
    if (lines.empty() || !lines.front().starts_with(kOwnFirstWords))
        throw FileError(path, "to nie jest plik sprawdzianu programu Tastrum");
    if (lines.front() != kFirstLine)
        throw FileError(path, "sprawdzian zapisała nowsza wersja programu; nie można go odczytać");
    KeyValues settings(path, "plik sprawdzianu");
    if (!IsUtf8(bytes))
        settings.ThrowDamaged("tekst nie jest zapisany w UTF-8");
    const size_t textStart = settings.Read(lines, 1, kTextHeading);
    ClassTest test = ReadTest(settings);
    test.id = id;
    for (size_t i = textStart; i < lines.size(); ++i) {
        test.lines.push_back(Utf8ToCp1250(lines[i]));
        if (Cp1250ToUtf8(test.lines.back()) != lines[i])
            settings.ThrowDamaged("wiersz " + std::to_string(i + 1) +
                                  " tekstu ma znaki spoza polskiego alfabetu Windows-1250");
    }
    ThrowUnlessSound(test, path);
    return test;
}

std::string TestIdFromName(const std::string& name) {
    std::string id;
    for (const char c : Folded(Utf8ToCp1250(name))) {
        const char plain = IdCharacter(c);
        if (plain != '-' || (!id.empty() && id.back() != '-'))
            id += plain;
    }
    id = id.substr(0, kLongestId);
    while (!id.empty() && id.back() == '-')
        id.pop_back();
    return id.empty() ? std::string(kIdOfNoName) : id;
}

std::string AddClassTest(const PupilsFolder& pupils, ClassTest test) {
    ThrowUnlessSound(test, GetClassTestsFolder(pupils));
    // The empty name stands for the pupils folder itself: checked, and made
    // when it is the program's own and not there yet.
    MakePupilFolder(pupils, {});
    // The class makes its short-lived clock files here (see ShareNow).
    MakeTestsFolder(pupils, GetClassTestsFolder(pupils), FolderWriters::Class);
    const std::string base = TestIdFromName(test.name);
    for (int n = 1; n <= kMostIdsTried; ++n) {
        test.id = n == 1 ? base : base + "-" + std::to_string(n);
        const std::string folder = ClassTestFolder(pupils, test.id);
        if (!MakeTestsFolder(pupils, folder, FolderWriters::Maker))
            continue;
        for (const std::string_view part : kPupilsTestFolders)
            MakeTestsFolder(pupils, folder + "/" + std::string(part), FolderWriters::Class);
        MakeTestsFolder(pupils, folder + "/" + std::string(kExtraFolder), FolderWriters::Maker);
        SaveClassTest(pupils, test);
        return test.id;
    }
    throw FileError(GetClassTestsFolder(pupils), "za wiele sprawdzianów o tej nazwie");
}

void SaveClassTest(const PupilsFolder& pupils, const ClassTest& test) {
    const std::string path = TestFilePath(pupils, test.id);
    ThrowUnlessSound(test, path);
    WriteFileAtomically(path, EncodeClassTest(test));
}

ClassTest LoadClassTest(const PupilsFolder& pupils, const std::string& id) {
    const std::string path = TestFilePath(pupils, id);
    return ParseClassTest(ReadBinaryFile(path, kMaxTestFileBytes), path, id);
}

std::vector<ListedClassTest> ListClassTests(const PupilsFolder& pupils) {
    std::vector<ListedClassTest> tests;
    for (const std::string& id : SubfolderNames(GetClassTestsFolder(pupils))) {
        ListedClassTest listed{id, {}, {}};
        listed.test.id = id;
        try {
            listed.test = LoadClassTest(pupils, id);
        } catch (const FileError& error) {
            listed.problem = error.Problem();
        }
        tests.push_back(std::move(listed));
    }
    std::sort(tests.begin(), tests.end(), [](const ListedClassTest& a, const ListedClassTest& b) {
        return PolishLessCp1250(Utf8ToCp1250(a.test.name.empty() ? a.id : a.test.name),
                                Utf8ToCp1250(b.test.name.empty() ? b.id : b.test.name));
    });
    return tests;
}
