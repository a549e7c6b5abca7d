// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>

class QWidget;

// The colours of the chooser, the exercise, the result and the statistics
// windows: dark blue text on white, for the window and all its controls.
inline const QColor kDialogText{20, 20, 190};
inline const QColor kDialogBackground{255, 255, 255};

void ApplyDialogColours(QWidget& dialog);
