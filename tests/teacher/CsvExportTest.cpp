// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "teacher/CsvExport.h"

#include "platform/Cp1250.h"

#include "MadeRun.h"

#include <gtest/gtest.h>

TEST(CsvExport, RunsOpenInAPolishSpreadsheetWithLettersAndNumbersRight) {
    CStatRecordArray zosia;
    zosia.push_back(RunOf("Żółw; i \"ptak\"", 123.456, 2.5,
                          COleDateTime::FromDateTime(2026, 12, 7, 10, 30, 5)));
    CStatRecordArray lukasz;
    lukasz.push_back(RunOf("abc", 50, 40, COleDateTime(0.0, COleDateTime::invalid)));
    lukasz.back().reservedValue1 = 75; // ended with a quarter of the text typed
    const std::string csv = RunsCsv({{Utf8ToCp1250("Zosia Ćwik"), "", zosia},
                                     {Utf8ToCp1250("Łukasz"), "", lukasz},
                                     {"Ola", "brak uprawnień", {}}});
    EXPECT_EQ(csv,
              "\xEF\xBB\xBF"
              "Uczeń;Lekcja;Data;Znaków na minutę;Błędy (%);Ocena;Przepisano %;Uwagi\r\n"
              "Zosia Ćwik;\"Żółw; i \"\"ptak\"\"\";2026-12-07T10:30:05;123,46;2,50;4;100,00;\r\n"
              "Łukasz;abc;;50,00;40,00;1;25,00;przerwane\r\n"
              "Ola;;;;;;;brak uprawnień\r\n");
}

// A spreadsheet keeps a quoted line break inside its cell; unquoted, the
// rest of the text would start a row of its own.
TEST(CsvExport, TextsWithLineBreaksStayInOneCell) {
    CStatRecordArray runs;
    runs.push_back(RunOf("dwa\nwiersze", 100.5, 0, COleDateTime::FromDateTime(2026, 12, 7, 8)));
    EXPECT_EQ(RunsCsv({{"Ala", "", runs},
                       {"Bartek", "plik jest uszkodzony\r\nkopia: stat-1.dat", {}},
                       {"Celina", "stary Mac\rkoniec", {}}}),
              "\xEF\xBB\xBF"
              "Uczeń;Lekcja;Data;Znaków na minutę;Błędy (%);Ocena;Przepisano %;Uwagi\r\n"
              "Ala;\"dwa\nwiersze\";2026-12-07T08:00:00;100,50;0,00;5;100,00;\r\n"
              "Bartek;;;;;;;\"plik jest uszkodzony\r\nkopia: stat-1.dat\"\r\n"
              "Celina;;;;;;;\"stary Mac\rkoniec\"\r\n");
}

TEST(CsvExport, NamesThatASpreadsheetWouldTakeForFormulasStayText) {
    CStatRecordArray runs;
    runs.push_back(RunOf("@SUMA(A1)", 50, 0, COleDateTime::FromDateTime(2026, 12, 7, 10)));
    const std::string csv = RunsCsv({{"=1+1", "", runs},
                                     {"+48 600 100 200", "", {}},
                                     {"-x", "", {}},
                                     {"\tA", "x", {}},
                                     {"\rB", "-brak", {}}});
    EXPECT_NE(csv.find("\r\n'=1+1;'@SUMA(A1);2026-12-07T10:00:00;50,00;0,00;"), std::string::npos)
        << csv;
    EXPECT_NE(csv.find("\r\n'\tA;;;;;;;x\r\n"), std::string::npos) << csv;
    EXPECT_EQ(csv.find("+48"), std::string::npos) << "a pupil with no runs has no line";
    EXPECT_NE(csv.find("\r\n\"'\rB\";;;;;;;'-brak\r\n"), std::string::npos) << csv;
    EXPECT_EQ(ClassTableCsv({"=A1"}, {{"+x", "", 0, 0, {0.0, COleDateTime::invalid}, {{}}, "", ""}}),
              "\xEF\xBB\xBF"
              "Uczeń;Podejścia;Zaliczone lekcje;Ostatni wynik;Uwagi;'=A1\r\n"
              "'+x;0;0;;;\r\n");
}

TEST(CsvExport, TheClassTableHasAColumnPerLessonAndSaysWhyARowIsEmpty) {
    PupilRow ala{Utf8ToCp1250("Ala"),
                 "",
                 3,
                 1,
                 COleDateTime::FromDateTime(2026, 12, 1, 9),
                 {{4, 2, 150.0, COleDateTime::FromDateTime(2026, 12, 1, 9)}, {}},
                 "",
                 ""};
    PupilRow bartek{Utf8ToCp1250("Bartek"),
                    "plik jest uszkodzony",
                    0,
                    0,
                    {0.0, COleDateTime::invalid},
                    {{}, {}},
                    "",
                    ""};
    EXPECT_EQ(ClassTableCsv({"abc", Utf8ToCp1250("Żaba")}, {ala, bartek}),
              "\xEF\xBB\xBF"
              "Uczeń;Podejścia;Zaliczone lekcje;Ostatni wynik;Uwagi;abc;Żaba\r\n"
              "Ala;3;1;2026-12-01T09:00:00;;4;\r\n"
              "Bartek;0;0;;plik jest uszkodzony;;\r\n");
}
