// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QList>
#include <QStaticText>
#include <QTextLayout>

#include <array>
#include <optional>
#include <string_view>

class QPainter;

// Lines of Windows-1250 text drawn in a fixed-pitch font, one character
// per cell: each character takes the font's one advance (the fixed-pitch
// fonts of Linux desktops hold every character of the code page), and a
// tab reaches the next tab stop, where a text layout puts them. Each character is laid
// out once and its glyphs copied from then on, so a keystroke draws the
// cells it changed without laying out its line again.
class CTextCells {
public:
    explicit CTextCells(const QFont& font);

    // Where a column of the line begins, from the start of the line.
    qreal X(std::string_view line, size_t column) const;
    qreal Width(std::string_view line) const { return X(line, line.size()); }
    // The width of one cell.
    qreal Advance() const { return m_advance; }
    // A line's height, leading included, and its leading.
    qreal LineHeight() const { return m_lineHeight; }
    qreal Leading() const { return m_leading; }

    // Draws the line with its top left at `origin`, in the painter's font
    // and pen where no colour range says otherwise. Only the characters
    // that stand at least partly between `left` and `right`, and their
    // neighbours, whose glyphs may reach a little into their cells, are
    // drawn.
    void Draw(QPainter& painter, QPointF origin, std::string_view line,
              const QList<QTextLayout::FormatRange>& colours, qreal left, qreal right);

private:
    // Where the columns of one line begin.
    class Columns {
    public:
        Columns(const CTextCells& cells, std::string_view line);
        qreal X(size_t column) const;

    private:
        qreal m_advance;
        std::optional<QTextLayout> m_tabbed;
    };

    const QStaticText& Glyphs(char ch);

    QFont m_font;
    qreal m_advance;
    qreal m_lineHeight = 0;
    qreal m_leading = 0;
    std::array<QStaticText, 256> m_glyphs;
};
