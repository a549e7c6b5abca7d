#pragma once

#include <QLocale>

class QTranslator;

// Qt's own texts (the context menu of a text field, the file and print
// dialogs) in the user's language from Qt's translations (the package
// qt6-translations-l10n), installed into the application. False when Qt
// has none for that language. The program's own texts are not touched.
bool InstallQtTranslation(QTranslator& translator, const QLocale& locale = QLocale::system());
