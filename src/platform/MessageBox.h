// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QWidget;
class FileError;

// A message with an OK button, titled with the program's name; returns when
// the user has closed it.
void ShowMessage(QWidget* parent, const QString& text);

// A question with "Tak" and "Nie", "Nie" the default, so that a key pressed
// without reading never says yes; true for "Tak".
bool AskYesNo(QWidget* parent, const QString& question);

// A file error as the user reads it: what went wrong, naming the file.
void ShowFileError(QWidget* parent, const FileError& error);
