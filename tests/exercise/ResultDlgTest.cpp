// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercise/ResultDlg.h"

#include "platform/Cp1250.h"
#include "platform/DialogTemplate.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QLabel& LabelOf(CResultDlg& dialog, int id) {
    return *dialog.findChild<QLabel*>(ControlName(id));
}

QPushButton& ButtonOf(CResultDlg& dialog, int id) {
    return *dialog.findChild<QPushButton*>(ControlName(id));
}

// Whether the button is drawn like a default button of its own size and text.
bool LooksLikeDefaultButton(QPushButton& button) {
    const QImage drawn = button.grab().toImage();
    QPushButton reference(button.text(), button.window());
    reference.setGeometry(button.geometry());
    reference.setDefault(true);
    return drawn == reference.grab().toImage();
}

} // namespace

TEST(ResultDlg, ShowsTheHeadlineAboveTheDetails) {
    CResultDlg dialog{""};
    dialog.SetTexts(Utf8ToCp1250("Opis lekcji\ndruga linia"), Utf8ToCp1250("Ćwiczenie 1"));
    dialog.show();
    QLabel& headline = LabelOf(dialog, CResultDlg::kIdHeadline);
    QLabel& details = LabelOf(dialog, CResultDlg::kIdDetails);
    EXPECT_EQ(dialog.windowTitle(), "Ćwiczenie 1");
    EXPECT_EQ(headline.text(), "Ćwiczenie 1");
    EXPECT_EQ(details.text(), "Opis lekcji\ndruga linia");
    EXPECT_TRUE(headline.font().bold());
    EXPECT_TRUE(headline.font().underline());
    EXPECT_GT(headline.font().pointSize(), details.font().pointSize());
    EXPECT_EQ(headline.palette().color(QPalette::WindowText), QColor(20, 20, 100));
    EXPECT_EQ(details.palette().color(QPalette::WindowText), QColor(20, 20, 190));
    EXPECT_EQ(dialog.focusWidget(), &ButtonOf(dialog, kIdOk));
}

TEST(ResultDlg, OkIsTheDefaultButtonAndHelpWearsTheDefaultLookToo) {
    CResultDlg dialog{""};
    dialog.show();
    EXPECT_TRUE(ButtonOf(dialog, kIdOk).isDefault());
    EXPECT_TRUE(LooksLikeDefaultButton(ButtonOf(dialog, kIdHelp)));
    EXPECT_FALSE(LooksLikeDefaultButton(ButtonOf(dialog, kIdCancel)));
}

TEST(ResultDlg, OkAcceptsAndAnulujRejects) {
    CResultDlg ok{""};
    ok.show();
    QTest::keyClick(&ok, Qt::Key_Return);
    EXPECT_EQ(ok.result(), QDialog::Accepted);

    CResultDlg cancel{""};
    cancel.show();
    QTest::mouseClick(&ButtonOf(cancel, kIdCancel), Qt::LeftButton);
    EXPECT_EQ(cancel.result(), QDialog::Rejected);
    EXPECT_FALSE(cancel.isVisible());
}
