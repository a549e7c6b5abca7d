// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercise/TeachingAids.h"

#include "platform/FileError.h"
#include "platform/Settings.h"
#include "pupils/PupilChoices.h"

#include <QSettings>

namespace {

// The account's choice, for pupils who made none of their own.
const QString kKeyboardShownSetting = QStringLiteral("exercise/keyboardShown");

} // namespace

bool AidsShownForPupil(const PupilsFolder& pupils, const std::string& pupil) {
    if (!pupil.empty())
        if (const std::optional<bool> own = LoadAidsShown(pupils, pupil))
            return *own;
    return ProgramSettings()->value(kKeyboardShownSetting, true).toBool();
}

void KeepAidsShown(const PupilsFolder& pupils, const std::string& pupil, bool shown) {
    if (pupil.empty()) {
        ProgramSettings()->setValue(kKeyboardShownSetting, shown);
        return;
    }
    try {
        SaveAidsShown(pupils, pupil, shown);
    } catch (const FileError&) {
    }
}
