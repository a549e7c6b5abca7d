// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercise/TextCells.h"

#include "platform/Cp1250.h"
#include "platform/QtText.h"

#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <QTextCharFormat>

#include <gtest/gtest.h>

#include <climits>

namespace {

QFont FixedFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(14);
    return font;
}

QImage Blank() {
    QImage image(700, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// The line as Qt lays out and draws a line of a text field.
QImage DrawnByALayout(const std::string& line, const QList<QTextLayout::FormatRange>& colours) {
    QTextLayout layout(ToQString(line), FixedFont());
    QTextOption noWrap;
    noWrap.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(noWrap);
    layout.setFormats(colours);
    layout.beginLayout();
    QTextLine text = layout.createLine();
    text.setLeadingIncluded(true);
    text.setLineWidth(INT_MAX / 2);
    layout.endLayout();
    QImage image = Blank();
    QPainter painter(&image);
    painter.setFont(FixedFont());
    layout.draw(&painter, QPointF(4, 3));
    return image;
}

QImage DrawnInCells(const std::string& line, const QList<QTextLayout::FormatRange>& colours,
                    qreal left = 0, qreal right = 700) {
    CTextCells cells(FixedFont());
    QImage image = Blank();
    QPainter painter(&image);
    painter.setFont(FixedFont());
    cells.Draw(painter, QPointF(4, 3), line, colours, left, right);
    return image;
}

QList<QTextLayout::FormatRange> Wrong(int start, int length) {
    QTextCharFormat wrong;
    wrong.setForeground(QColor(200, 0, 0));
    wrong.setBackground(QColor(255, 220, 220));
    return {{start, length, wrong}};
}

} // namespace

// Drawn cell by cell, a line looks exactly as Qt draws it laid out whole:
// Polish letters and signs of print, coloured stretches, and tabs, which
// reach the next tab stop.
TEST(TextCells, ALineLooksAsALayoutDrawsIt) {
    const std::string polish = Utf8ToCp1250("Zażółć gęślą jaźń „cytat” – 5 € ŁÓDŹ");
    const std::string tabbed = Utf8ToCp1250("a\tb 5 €\tkoniec\t!");
    for (const auto& [line, colours] :
         {std::pair{polish, QList<QTextLayout::FormatRange>()}, std::pair{polish, Wrong(2, 3)},
          std::pair{polish, Wrong(3, 4)}, std::pair{tabbed, QList<QTextLayout::FormatRange>()},
          std::pair{tabbed, Wrong(1, 3)}}) {
        EXPECT_EQ(DrawnInCells(line, colours), DrawnByALayout(line, colours)) << line;
        const CTextCells cells(FixedFont());
        QTextLayout layout(ToQString(line), FixedFont());
        layout.beginLayout();
        layout.createLine().setLineWidth(INT_MAX / 2);
        layout.endLayout();
        EXPECT_DOUBLE_EQ(cells.Width(line), layout.lineAt(0).cursorToX(int(line.size()))) << line;
    }
}

// Drawing a part of a line touches only the cells there and their
// neighbours, and what it draws is the same as the whole line drawn.
TEST(TextCells, APartOfALineIsThatPartOfTheWholeLine) {
    const std::string line = "abcdefghijklmnopqrstuvwxyz";
    const CTextCells cells(FixedFont());
    const qreal left = 4 + cells.X(line, 10);
    const qreal right = 4 + cells.X(line, 12);
    const QImage part = DrawnInCells(line, Wrong(11, 1), left, right);
    const QImage whole = DrawnInCells(line, Wrong(11, 1));
    const QRect inside = QRectF(left, 0, right - left, 40).toAlignedRect();
    EXPECT_EQ(part.copy(inside), whole.copy(inside));
    const QRect farLeft(0, 0, qFloor(4 + cells.X(line, 8)), 40);
    EXPECT_EQ(part.copy(farLeft), Blank().copy(farLeft));
}
