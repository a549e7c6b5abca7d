// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/DesktopLauncher.h"
#include "platform/QtTranslation.h"

#include "ModalWindow.h"
#include "TempFolder.h"
#include "pupils/PupilDlg.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>

#include <gtest/gtest.h>

#include <cstdlib>

// Qt's own texts speak Polish whatever the locale; the program's texts stay
// as they are, English ones included.
TEST(QtTranslation, QtsOwnTextsArePolishAndTheProgramsStay) {
    QTranslator translator;
    QLocale::setDefault(QLocale::c());
    ASSERT_TRUE(InstallQtTranslation(translator)) << "install qt6-translations-l10n";
    EXPECT_EQ(QCoreApplication::translate("QLineEdit", "&Undo"), QStringLiteral("&Cofnij"));
    const CPupilDlg pupils({"Ala"});
    QStringList buttons;
    for (const QPushButton* button : pupils.findChildren<QPushButton*>())
        buttons << button->text();
    EXPECT_TRUE(buttons.contains(QStringLiteral("Cancel"))) << buttons.join(',').toStdString();
    QCoreApplication::removeTranslator(&translator);
}

// Without xdg-open nothing opens, and the user is told what is missing.
TEST(DesktopLauncher, AFileThatCannotBeOpenedIsToldWithWhatIsMissing) {
    TempFolder empty;
    const std::string path = std::getenv("PATH");
    setenv("PATH", empty.Path().c_str(), 1);
    QString told;
    OnNextModal<QMessageBox>([&told](QMessageBox& box) {
        told = box.text();
        box.accept();
    });
    LaunchWithDesktop("/usr/share/tastrum/help/index.htm", "/usr/share/tastrum/help");
    setenv("PATH", path.c_str(), 1);
    EXPECT_TRUE(told.contains(QStringLiteral("/usr/share/tastrum/help/index.htm")))
        << told.toStdString();
    EXPECT_TRUE(told.contains(QStringLiteral("xdg-utils"))) << told.toStdString();
}
