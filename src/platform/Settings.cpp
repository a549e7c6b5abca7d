// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Settings.h"

std::unique_ptr<QSettings> ProgramSettings() {
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("tastrum"), QStringLiteral("tastrum"));
}

namespace {

std::string EnvironmentOrSetting(const char* variable, const QString& key) {
    const QString value = qEnvironmentVariable(variable);
    if (!value.isEmpty())
        return value.toStdString();
    return ProgramSettings()->value(key).toString().toStdString();
}

} // namespace

std::string SchoolPupilsFolder() {
    return EnvironmentOrSetting("TASTRUM_PUPILS", QStringLiteral("PupilsFolder"));
}

std::string SchoolLessonsFolder() {
    return EnvironmentOrSetting("TASTRUM_LESSONS", QStringLiteral("LessonsFolder"));
}

bool TeacherModeSetting() {
    return ProgramSettings()->value(QStringLiteral("TeacherMode"), false).toBool();
}
