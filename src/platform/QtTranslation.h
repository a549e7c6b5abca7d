// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocale>

class QTranslator;

// Qt's own texts (the context menu of a text field, the file and print
// dialogs, standard buttons) from Qt's translations (the package
// qt6-translations-l10n), installed into the application: in Polish
// whatever the user's locale, as the program speaks only Polish. False when
// Qt has none for that language. The program's own texts are not touched.
bool InstallQtTranslation(QTranslator& translator,
                          const QLocale& locale = QLocale(QLocale::Polish, QLocale::Poland));
