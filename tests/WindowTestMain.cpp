// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/HelpWindow.h"
#include "platform/InstantButtons.h"
#include "platform/Settings.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Each window test starts as on a fresh account: no choice an earlier test
// kept (the keyboard hidden, say), no help window left open.
class FreshAccount : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override {
        ProgramSettings()->clear();
        for (QWidget* window : QApplication::topLevelWidgets())
            if (qobject_cast<CHelpWindow*>(window))
                delete window;
    }
};

} // namespace

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
    testing::UnitTest::GetInstance()->listeners().Append(new FreshAccount);
    return RUN_ALL_TESTS();
}
