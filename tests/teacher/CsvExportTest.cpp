#include "teacher/CsvExport.h"

#include "exercise/Grading.h"
#include "platform/Cp1250.h"

#include "MadeRun.h"

#include <gtest/gtest.h>

namespace {} // namespace

TEST(CsvExport, RunsOpenInAPolishSpreadsheetWithLettersAndNumbersRight) {
    CStatRecordArray zosia;
    zosia.push_back(RunOf("Żółw; i \"ptak\"", 123.456, 2.5,
                          COleDateTime::FromDateTime(2026, 12, 7, 10, 30, 5)));
    CStatRecordArray lukasz;
    lukasz.push_back(RunOf("abc", 50, 40, COleDateTime(0.0, COleDateTime::invalid)));
    const std::string csv =
        RunsCsv({{Utf8ToCp1250("Zosia Ćwik"), zosia}, {Utf8ToCp1250("Łukasz"), lukasz}});
    EXPECT_EQ(csv, "\xEF\xBB\xBF"
                   "Uczeń;Lekcja;Data;Znaków na minutę;Błędy (%);Ocena\r\n"
                   "Zosia Ćwik;\"Żółw; i \"\"ptak\"\"\";2026-12-07T10:30:05;123,46;2,50;" +
                       std::to_string(ComputeGrade(123.456, 2.5)) +
                       "\r\n"
                       "Łukasz;abc;;50,00;40,00;" +
                       std::to_string(ComputeGrade(50, 40)) + "\r\n");
}

TEST(CsvExport, TheClassTableHasAColumnPerLessonAndSaysWhyARowIsEmpty) {
    PupilRow ala{Utf8ToCp1250("Ala"),
                 "",
                 3,
                 1,
                 COleDateTime::FromDateTime(2026, 12, 1, 9),
                 {{4, 2, 150.0, COleDateTime::FromDateTime(2026, 12, 1, 9)}, {}}};
    PupilRow bartek{Utf8ToCp1250("Bartek"),
                    "plik jest uszkodzony",
                    0,
                    0,
                    {0.0, COleDateTime::invalid},
                    {{}, {}}};
    EXPECT_EQ(ClassTableCsv({"abc", Utf8ToCp1250("Żaba")}, {ala, bartek}),
              "\xEF\xBB\xBF"
              "Uczeń;Podejścia;Zaliczone lekcje;Ostatni wynik;Uwagi;abc;Żaba\r\n"
              "Ala;3;1;2026-12-01T09:00:00;;4;\r\n"
              "Bartek;0;0;;plik jest uszkodzony;;\r\n");
}
