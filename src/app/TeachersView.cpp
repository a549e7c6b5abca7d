// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/TeachersView.h"

#include "platform/MessageBox.h"

#include <QInputDialog>
#include <QLineEdit>

bool OpenTeachersView(TeacherAccess access) {
    if (access == TeacherAccess::Granted)
        return true;
    if (access == TeacherAccess::NeedsPassword) {
        bool given = false;
        const QString password = QInputDialog::getText(
            nullptr, QStringLiteral("Tastrum – nauczyciel"), QStringLiteral("Hasło nauczyciela:"),
            QLineEdit::Password, QString(), &given);
        if (given && IsTeacherPassword(kAdministratorsFolder, password.toStdString()))
            return true;
        if (!given)
            return false;
    }
    ShowMessage(nullptr, QString::fromStdString(WhoGrantsTeacherAccess()));
    return false;
}
