// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "classtests/ClassTestCsv.h"

#include "platform/Cp1250.h"
#include "platform/CsvFields.h"

std::string ClassTestCsv(const std::vector<ClassTestRow>& rows) {
    std::string csv(kCsvByteOrderMark);
    csv += CsvLine({"Uczeń", "Ocena", "Znaków na minutę", "Błędy (%)", "Data", "Podejścia",
                    "Dozwolone podejścia", "Uwagi"});
    for (const ClassTestRow& row : rows) {
        const std::string name =
            CsvText(row.folderName.empty() ? Cp1250ToUtf8(row.pupil) : row.folderName);
        const bool taken = row.best.has_value();
        csv +=
            CsvLine({name, taken ? std::to_string(row.best->mark) : "",
                     taken ? CsvDecimal(row.best->charsPerMinute) : "",
                     taken ? CsvDecimal(row.best->errorPercent) : "",
                     taken ? row.best->date.FormatIso8601() : "", std::to_string(row.attemptsUsed),
                     std::to_string(row.attemptsAllowed), CsvText(RowRemarks(row))});
    }
    return csv;
}
