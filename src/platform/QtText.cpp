// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/QtText.h"

#include "platform/Cp1250.h"

QString ToQString(const std::string& cp1250) {
    return QString::fromStdString(Cp1250ToUtf8(cp1250));
}

std::string ToCp1250(const QString& text) {
    return Utf8ToCp1250(text.toStdString());
}

QString PathToQString(const std::string& path) {
    return QString::fromStdString(path);
}

std::string QStringToPath(const QString& path) {
    return path.toStdString();
}
