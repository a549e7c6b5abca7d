// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <string>

// Windows-1250 program text to and from what Qt shows.
QString ToQString(const std::string& cp1250);
std::string ToCp1250(const QString& text);

// Paths and file-error messages are in the system's encoding (UTF-8).
QString PathToQString(const std::string& path);
std::string QStringToPath(const QString& path);
