// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercise/TextCells.h"

#include "platform/QtText.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextOption>

#include <climits>

namespace {

QColor ColourOf(const QList<QTextLayout::FormatRange>& colours, int column, const QColor& plain) {
    for (const QTextLayout::FormatRange& range : colours)
        if (range.start <= column && column < range.start + range.length &&
            range.format.hasProperty(QTextFormat::ForegroundBrush))
            return range.format.foreground().color();
    return plain;
}

// One line of text laid out as a Qt text field lays out its lines.
QTextLine LayOutOneLine(QTextLayout& layout) {
    QTextOption noWrap;
    noWrap.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(noWrap);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLeadingIncluded(true);
    line.setLineWidth(INT_MAX / 2);
    layout.endLayout();
    return line;
}

} // namespace

CTextCells::CTextCells(const QFont& font)
    : m_font(font), m_advance(QFontMetricsF(font).horizontalAdvance(QLatin1Char('M'))) {
    QTextLayout empty(QString(), font);
    const QTextLine line = LayOutOneLine(empty);
    m_lineHeight = line.height();
    m_leading = line.leading();
}

// A tab reaches the next tab stop, wherever that is: a line that holds one
// is laid out whole, as rarely as lessons hold tabs.
CTextCells::Columns::Columns(const CTextCells& cells, std::string_view line)
    : m_advance(cells.m_advance) {
    if (line.find('\t') == std::string_view::npos)
        return;
    m_tabbed.emplace(ToQString(std::string(line)), cells.m_font);
    LayOutOneLine(*m_tabbed);
}

qreal CTextCells::Columns::X(size_t column) const {
    if (m_tabbed)
        return m_tabbed->lineAt(0).cursorToX(static_cast<int>(column));
    return static_cast<qreal>(column) * m_advance;
}

qreal CTextCells::X(std::string_view line, size_t column) const {
    return Columns(*this, line).X(column);
}

const QStaticText& CTextCells::Glyphs(char ch) {
    QStaticText& glyphs = m_glyphs[static_cast<unsigned char>(ch)];
    if (glyphs.text().isEmpty()) {
        glyphs.setTextFormat(Qt::PlainText);
        glyphs.setText(ToQString(std::string(1, ch)));
    }
    return glyphs;
}

void CTextCells::Draw(QPainter& painter, QPointF origin, std::string_view line,
                      const QList<QTextLayout::FormatRange>& colours, qreal left, qreal right) {
    const Columns columns(*this, line);
    for (const QTextLayout::FormatRange& range : colours) {
        const QBrush background = range.format.background();
        if (background.style() == Qt::NoBrush)
            continue;
        const qreal from = origin.x() + columns.X(range.start);
        const qreal to = origin.x() + columns.X(range.start + range.length);
        // Whole pixels, from the one the first character starts in.
        painter.fillRect(QRectF(from, origin.y(), to - from, m_lineHeight).toAlignedRect(),
                         background);
    }
    const QColor plain = painter.pen().color();
    QColor drawing = plain;
    for (size_t column = 0; column < line.size(); ++column) {
        const qreal x = origin.x() + columns.X(column);
        if (x >= right + m_advance)
            break;
        if (x + m_advance <= left - m_advance || line[column] == ' ' || line[column] == '\t')
            continue;
        const QColor colour = ColourOf(colours, static_cast<int>(column), plain);
        if (colour != drawing) {
            painter.setPen(colour);
            drawing = colour;
        }
        painter.drawStaticText(QPointF(x, origin.y()), Glyphs(line[column]));
    }
    painter.setPen(plain);
}
