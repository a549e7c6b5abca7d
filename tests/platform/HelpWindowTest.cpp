// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/HelpWindow.h"

#include <QTextBrowser>

#include <gtest/gtest.h>

// The help pages that ship, in the program's own window: the first page,
// a link to the finger chart, and the chart drawn as a picture.
TEST(HelpWindow, ShowsTheShippedPagesTheirLinksAndTheFingerChart) {
    const QString help = QStringLiteral(TASTRUM_DATA_DIR "/help");
    CHelpWindow window(help);
    EXPECT_TRUE(window.Page().toLocalFile().endsWith(QStringLiteral("/index.htm")));
    EXPECT_TRUE(window.Browser().toPlainText().contains(QStringLiteral("palce")));

    window.Show(QUrl(QStringLiteral("palce.htm")));
    EXPECT_TRUE(window.Page().toLocalFile().endsWith(QStringLiteral("/palce.htm")));
    const QString html = window.Browser().toHtml();
    EXPECT_FALSE(html.contains(QStringLiteral("<svg")));
    const QString chart = window.Page().toString() + QStringLiteral("#rysunek-0");
    const QVariant picture =
        window.Browser().document()->resource(QTextDocument::ImageResource, QUrl(chart));
    ASSERT_TRUE(picture.isValid());
    EXPECT_GT(picture.value<QImage>().width(), 100);

    window.Show(QUrl(QStringLiteral("brak.htm")));
    EXPECT_TRUE(window.Browser().toPlainText().contains(QStringLiteral("Nie można otworzyć")));
}
