// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chooser/AboutDlg.h"

#include "platform/DialogTemplate.h"

namespace {

const DialogTemplate kAboutTemplate{
    "About Tastrum",
    235,
    55,
    {
        {kNoId, ControlKind::ProgramIcon, 11, 17, 20, 20, ""},
        {kNoId, ControlKind::Label, 40, 10, 119, 8, "Tastrum Version " TASTRUM_VERSION},
        {kIdOk, ControlKind::DefaultButton, 178, 7, 50, 14, "OK"},
    },
};

} // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    const DialogControls controls = BuildDialog(*this, kAboutTemplate);
    controls[kIdOk]->setFocus();
}
