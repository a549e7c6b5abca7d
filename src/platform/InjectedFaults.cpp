// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/InjectedFaults.h"

// The program's answers: every file call runs on the file as it is.

int InjectedFileFault(FileCall, const std::string&) {
    return 0;
}

bool InjectedStaleStamp(const std::string&, FileStamp&) {
    return false;
}

bool InjectedStaleBytes(const std::string&, std::optional<std::string>&) {
    return false;
}
