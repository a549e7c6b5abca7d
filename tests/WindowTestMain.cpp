// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/InstantButtons.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Window tests drive real widgets on the offscreen platform.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The user's own settings stay untouched.
    const QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path() + "/user");
    QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope,
                       settings.path() + "/system");
    const CInstantButtons instantButtons;
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
