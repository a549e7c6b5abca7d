// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

// The X11 input method reads the compose table (half a megabyte) at the
// first key typed into a text field, which makes a pupil's first key the
// slowest. Sending the field's window a Shift key makes it read the table
// now, while the pupil still reads the lesson: once per run of the program,
// when the field has the focus. Only Qt's own compose input context gets
// it: an input method (ibus, fcitx, ...) would take the Shift for a switch
// of its keyboard. Does nothing off X11.
void PreloadComposeTable(QWidget& textField);
