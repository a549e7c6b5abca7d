// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

// What an operating-system error number means, in Polish, for the messages
// that name a file the program could not read or write.
std::string SystemErrorText(int error);
