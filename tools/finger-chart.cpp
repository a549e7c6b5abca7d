// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Redraws the keyboard in the finger chart of the help from the keyboard
// table: finger-chart data/help/palce.htm
#include "keyboard/FingerChart.h"
#include "platform/BinaryFile.h"
#include "platform/FileError.h"

#include <iostream>
#include <optional>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: finger-chart PAGE.htm\n";
        return 2;
    }
    const std::string page = argv[1];
    try {
        const std::optional<std::string> redrawn =
            WithFingerChart(ReadBinaryFile(page, kMaxTextFileBytes));
        if (!redrawn) {
            std::cerr << page << ": the lines \"" << kFingerChartStart << "\" and \""
                      << kFingerChartEnd << "\" are missing\n";
            return 1;
        }
        WriteFileAtomically(page, *redrawn);
    } catch (const FileError& error) {
        std::cerr << error.what() << "\n";
        return 1;
    }
    return 0;
}
