// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/SettingsReport.h"

#include "platform/Settings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <vector>

namespace {

struct KnownSetting {
    const char* key;
    const char* variable; // the environment variable that overrides it, or null
    const char* byDefault;
};

const std::vector<KnownSetting> kKnownSettings{
    {"PupilsFolder", "TASTRUM_PUPILS", "folder uczniów programu"},
    {"LessonsFolder", "TASTRUM_LESSONS", "brak"},
    {"TeacherMode", nullptr, "false"},
    {"TeacherGroup", nullptr, "brak (czytane tylko z /etc/xdg/tastrum/tastrum.conf)"},
    {"exercise/keyboardShown", nullptr, "true (wybór konta; każdy uczeń ma też własny)"},
};

// The settings files in the order they are looked at: the user's first.
QStringList SettingsFiles() {
    QStringList files{ProgramSettings()->fileName()};
    for (const QString& folder :
         QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation).mid(1))
        files << QDir(folder).filePath(QStringLiteral("tastrum/tastrum.conf"));
    return files;
}

std::string Utf8(const QString& text) {
    return text.toStdString();
}

const KnownSetting* Known(const QString& key) {
    for (const KnownSetting& setting : kKnownSettings)
        if (key == QLatin1String(setting.key))
            return &setting;
    return nullptr;
}

// The known key that differs only in letter case, for a warning's hint.
QString LikelyMeant(const QString& key) {
    for (const KnownSetting& setting : kKnownSettings)
        if (key.compare(QLatin1String(setting.key), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(setting.key);
    return {};
}

} // namespace

std::string SettingsReport(int& unknownKeys) {
    unknownKeys = 0;
    std::string report = "Pliki ustawień (pierwszy, który ustawia klucz, wygrywa):\n";
    std::vector<std::unique_ptr<QSettings>> read;
    for (const QString& file : SettingsFiles()) {
        if (!QFileInfo::exists(file)) {
            report += "  " + Utf8(file) + " (nie ma)\n";
            continue;
        }
        report += "  " + Utf8(file) + "\n";
        read.push_back(std::make_unique<QSettings>(file, QSettings::IniFormat));
    }
    std::string warnings;
    for (const auto& settings : read)
        for (const QString& key : settings->allKeys())
            if (!Known(key)) {
                ++unknownKeys;
                const QString meant = LikelyMeant(key);
                warnings += "  uwaga: nieznane ustawienie " + Utf8(key) + " w " +
                            Utf8(settings->fileName()) +
                            (meant.isEmpty() ? std::string() : " (czy chodziło o " + Utf8(meant) + "?)") +
                            "\n";
            }
    report += "\nUstawienia w użyciu:\n";
    for (const KnownSetting& setting : kKnownSettings) {
        std::string value = setting.byDefault, source = "domyślne";
        if (setting.variable && !qEnvironmentVariableIsEmpty(setting.variable)) {
            value = Utf8(qEnvironmentVariable(setting.variable));
            source = std::string("zmienna ") + setting.variable;
        } else {
            for (const auto& settings : read)
                if (settings->contains(QLatin1String(setting.key))) {
                    value = Utf8(settings->value(QLatin1String(setting.key)).toString());
                    source = Utf8(settings->fileName());
                    break;
                }
        }
        report += "  " + std::string(setting.key) + " = " + value + "   (" + source + ")\n";
    }
    if (!warnings.empty())
        report += "\n" + warnings;
    return report;
}
