// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/DialogColours.h"

#include <QPalette>
#include <QWidget>

void ApplyDialogColours(QWidget& dialog) {
    QPalette palette = dialog.palette();
    for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
        palette.setColor(role, kDialogBackground);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, kDialogText);
    dialog.setPalette(palette);
    dialog.setAutoFillBackground(true);
}
