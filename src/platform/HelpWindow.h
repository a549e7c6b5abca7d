// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QUrl>

class QTextBrowser;

// The program's own help window: the help pages beside the program, shown
// without a browser (on any lab computer, offline), links between them
// followed, the finger chart drawn; "Otwórz w przeglądarce" opens the page
// shown in the desktop's browser as well.
class CHelpWindow : public QDialog {
    Q_OBJECT

public:
    explicit CHelpWindow(const QString& helpFolder, QWidget* parent = nullptr);
    const QTextBrowser& Browser() const { return *m_browser; }
    // The page shown, and shows a page or a place in it (a link of a page).
    const QUrl& Page() const { return m_page; }
    void Show(const QUrl& link);

private:
    QString m_helpFolder;
    QUrl m_page;
    QTextBrowser* m_browser;
};
