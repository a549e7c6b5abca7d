#include "teacher/CsvExport.h"

#include "exercise/Grading.h"
#include "platform/Cp1250.h"
#include "platform/FileError.h"
#include "platform/Format.h"
#include "pupils/PupilRegistry.h"
#include "pupils/PupilStats.h"

#include <cmath>
#include <cstdio>

namespace {

const char* const kByteOrderMark = "\xEF\xBB\xBF";
const char* const kLineEnd = "\r\n";

std::string Field(const std::string& utf8) {
    if (utf8.find_first_of(";\"\r\n") == std::string::npos)
        return utf8;
    std::string quoted = "\"";
    for (const char c : utf8) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    return quoted + "\"";
}

constexpr int kDecimals = 2;

std::string Decimal(double value) {
    return FormatDecimalComma(value, kDecimals);
}

std::string Line(const std::vector<std::string>& fields) {
    std::string line;
    for (size_t i = 0; i < fields.size(); ++i)
        line += (i ? ";" : "") + Field(fields[i]);
    return line + kLineEnd;
}

} // namespace

std::string RunsCsv(const std::vector<PupilRuns>& pupils) {
    std::string csv = kByteOrderMark;
    csv += Line({"Uczeń", "Lekcja", "Data", "Znaków na minutę", "Błędy (%)", "Ocena"});
    for (const PupilRuns& pupil : pupils)
        for (const StatRecord& run : pupil.runs)
            csv += Line({Cp1250ToUtf8(pupil.pupil), Cp1250ToUtf8(run.lesson),
                         run.date.FormatIso8601(), Decimal(run.charsPerMinute),
                         Decimal(run.errorPercent), std::to_string(GradeOfRun(run))});
    return csv;
}

std::string ClassTableCsv(const std::vector<std::string>& lessons,
                          const std::vector<PupilRow>& rows) {
    std::vector<std::string> heading{"Uczeń", "Podejścia", "Zaliczone lekcje", "Ostatni wynik",
                                     "Uwagi"};
    for (const std::string& lesson : lessons)
        heading.push_back(Cp1250ToUtf8(lesson));
    std::string csv = kByteOrderMark + Line(heading);
    for (const PupilRow& row : rows) {
        std::vector<std::string> fields{Cp1250ToUtf8(row.pupil), std::to_string(row.runs),
                                        std::to_string(row.lessonsPassed),
                                        row.lastRun.FormatIso8601(), row.problem};
        for (const LessonCell& cell : row.lessons)
            fields.push_back(cell.runs ? std::to_string(cell.bestGrade) : "");
        csv += Line(fields);
    }
    return csv;
}

std::string ClassRunsCsv(std::vector<std::string>& unreadable) {
    StringList names;
    ListPupils(names);
    std::vector<PupilRuns> pupils;
    for (const std::string& name : names) {
        try {
            CPupilStats stats;
            LoadPupilStats(name, stats);
            pupils.push_back({name, stats});
        } catch (const FileError& error) {
            unreadable.push_back(Cp1250ToUtf8(name) + ": " + error.Problem());
        }
    }
    return RunsCsv(pupils);
}
