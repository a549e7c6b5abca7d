// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercise/TypingEdit.h"

#include "exercise/TypingColours.h"

#include "platform/ComposePreload.h"
#include "platform/Cp1250.h"
#include "platform/DialogTemplate.h"
#include "platform/QtText.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <utility>

namespace {

// Larger than the dialog's own font, so the lesson reads well from a
// distance (13 points beside 8), and fixed-pitch, so each typed character
// stands under its model. It shrinks with the dialog's font on a small
// screen, so that a whole line still fits the field.
constexpr double kTypingFontScale = 13.0 / 8.0;

QFont TypingFontBeside(const QFont& dialogFont) {
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSizeF(dialogFont.pointSizeF() * kTypingFontScale);
    return fixed;
}

const QFont& TypingFont() {
    static const QFont font = TypingFontBeside(DialogFont());
    return font;
}

// The look of a Qt text field: the text keeps this distance from the top
// and the left, a one-pixel caret, a horizontal scroll step of 20 pixels.
constexpr int kMargin = 4;
// A frame of a 60 Hz screen: the field is painted at most once in one.
constexpr int kFrameMs = 16;
constexpr int kCaretWidth = 1;
constexpr int kHorizontalStep = 20;

bool IsTypeable(char32_t codePoint) {
    return QChar::isPrint(codePoint) || codePoint == U'\t';
}

// As a Qt text field draws its caret: the pixels under it inverted.
void DrawCaret(QPainter& painter, const QRectF& caret) {
    const QPainter::CompositionMode mode = painter.compositionMode();
    if (painter.paintEngine()->hasFeature(QPaintEngine::RasterOpModes))
        painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    painter.fillRect(caret, painter.pen().brush());
    painter.setCompositionMode(mode);
}

} // namespace

CTypingEdit::CTypingEdit(CExerciseSession& session, ErrorBeep beep, QWidget* parent)
    : QAbstractScrollArea(parent), m_session(session), m_beep(std::move(beep)),
      m_cells(TypingFont()) {
    UseFont(TypingFont());
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    horizontalScrollBar()->setSingleStep(kHorizontalStep);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    viewport()->setCursor(Qt::IBeamCursor);
    connect(&m_caretBlink, &QTimer::timeout, this, [this] { ShowCaret(!m_caretOn); });
    m_frameEnd.setSingleShot(true);
    m_frameEnd.setTimerType(Qt::PreciseTimer);
    connect(&m_frameEnd, &QTimer::timeout, this, &CTypingEdit::DrawWaiting);
    if (m_beep.load)
        m_beep.load();
}

void CTypingEdit::UseFont(const QFont& typingFont) {
    setFont(typingFont);
    m_cells = CTextCells(typingFont);
    // A line's height as a Qt text field stacks its lines.
    m_lineHeight =
        qCeil(m_cells.LineHeight()) + (m_cells.Leading() < 0 ? qCeil(m_cells.Leading()) : 0);
}

void CTypingEdit::FollowDialogFont(const QFont& dialogFont) {
    if (const QFont typingFont = TypingFontBeside(dialogFont); typingFont != font())
        UseFont(typingFont);
}

void CTypingEdit::ShowAids(bool shown) {
    m_aidsShown = shown;
    viewport()->update();
}

QList<QTextLayout::FormatRange> CTypingEdit::LineColours(int line) const {
    return m_aidsShown ? TypingColours(m_session.Typing(), line)
                       : QList<QTextLayout::FormatRange>();
}

void CTypingEdit::ShowSession() {
    const CTypingModel& typing = m_session.Typing();
    // Letters differ in width in some fonts: the longest line need not be
    // the widest drawn.
    qreal widest = 0;
    for (int line = 0; line < LineCount(); ++line)
        widest = std::max(widest, m_cells.Width(typing.Line(line)));
    m_textWidth = widest + 2 * kMargin;
    UpdateScrollRanges();
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    KeepTypingLinesInView();
    viewport()->update();
}

// The vertical scroll bar counts lines, and its range stops where the last
// line stands whole at the bottom, as in Qt's plain text field.
void CTypingEdit::UpdateScrollRanges() {
    const int room = viewport()->height() - kMargin - 1;
    int fitting = 0;
    for (int used = kMargin + m_lineHeight; fitting < LineCount() && used <= room;
         used += m_lineHeight)
        ++fitting;
    verticalScrollBar()->setRange(0, std::max(0, LineCount() - fitting));
    verticalScrollBar()->setPageStep(fitting);
    horizontalScrollBar()->setRange(0, static_cast<int>(m_textWidth) - viewport()->width());
    horizontalScrollBar()->setPageStep(viewport()->width());
}

void CTypingEdit::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollRanges();
}

int CTypingEdit::TopLine() const {
    return verticalScrollBar()->value();
}

// The top line keeps the top margin only while it is the first line.
int CTypingEdit::LineTop(int line) const {
    return (line - TopLine()) * m_lineHeight + (TopLine() == 0 ? kMargin : 0);
}

QPointF CTypingEdit::TextOrigin(int line) const {
    return {static_cast<qreal>(kMargin - horizontalScrollBar()->value()),
            static_cast<qreal>(LineTop(line))};
}

QRect CTypingEdit::LineRect(int line) const {
    return {0, LineTop(line), viewport()->width(), m_lineHeight};
}

CTypingEdit::CaretPlace CTypingEdit::Caret() const {
    const int line = m_session.Typing().CaretLine();
    return {line, m_cells.Width(m_session.Typing().Line(line))};
}

QRect CTypingEdit::CaretRectAt(const CaretPlace& place) const {
    return QRectF(TextOrigin(place.line).x() + place.x, LineTop(place.line), kCaretWidth,
                  m_lineHeight)
        .toRect();
}

// The caret stands at the end of the line being typed.
QRect CTypingEdit::CaretRect() const {
    return CaretRectAt(Caret());
}

void CTypingEdit::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::Text));
    const QRect dirty = event->rect();
    const int caretLine = m_session.Typing().CaretLine();
    for (int line = TopLine(); line < LineCount() && LineTop(line) <= dirty.bottom(); ++line) {
        if (!event->region().intersects(LineRect(line)))
            continue;
        m_cells.Draw(painter, TextOrigin(line), m_session.Typing().Line(line), LineColours(line),
                     dirty.left(), dirty.right() + 1);
        if (line == caretLine && m_caretOn && hasFocus())
            DrawCaret(painter, QRectF(TextOrigin(line).x() + Caret().x,
                                      LineTop(line) + std::max(0.0, m_cells.Leading()), kCaretWidth,
                                      QFontMetricsF(font()).height()));
    }
}

// Scrolling moves the pixels already drawn; only the lines that come into
// sight are drawn anew.
void CTypingEdit::scrollContentsBy(int dx, int) {
    const int shownAt = m_shownTopLine == 0 ? kMargin : 0;
    const int dy = LineTop(m_shownTopLine) - shownAt;
    m_shownTopLine = TopLine();
    // Cells waiting to be painted move with the pixels around them.
    m_waiting.translate(dx, dy);
    viewport()->scroll(dx, dy);
}

// A steady caret while the pupil types, blinking while they pause.
void CTypingEdit::ShowCaret(bool shown) {
    m_caretOn = shown;
    viewport()->update(CaretRect());
}

void CTypingEdit::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    ShowCaret(true);
    if (QApplication::cursorFlashTime() > 0)
        m_caretBlink.start(QApplication::cursorFlashTime() / 2);
    QTimer::singleShot(0, this, [this] { PreloadComposeTable(*this); });
}

void CTypingEdit::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    m_caretBlink.stop();
    ShowCaret(false);
}

// Tab is a character to copy, not a way out of the field.
bool CTypingEdit::focusNextPrevChild(bool) {
    return false;
}

void CTypingEdit::keyPressEvent(QKeyEvent* event) {
    FollowCapsLock(*event);
    if (event->key() == Qt::Key_Escape) { // closes the exercise window
        event->ignore();
        return;
    }
    // Shortcuts (clipboard, undo, select all) and chords with the left Alt
    // key do nothing, Enter and Backspace included; right Alt (AltGr) gives
    // the Polish letters and carries none of these modifiers.
    if (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier | Qt::AltModifier)) {
        event->ignore();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Type(CTypingModel::kEnter);
        break;
    case Qt::Key_Backspace:
        Type(CTypingModel::kBackspace);
        break;
    default:
        TypeText(event->text());
        break;
    }
    event->accept();
}

// Qt does not tell whether Caps Lock is on; a key does: Caps Lock itself
// turns it over, and a letter in the case Shift did not ask for shows it on.
void CTypingEdit::FollowCapsLock(const QKeyEvent& event) {
    bool on = m_capsLock;
    const QString text = event.text();
    if (event.key() == Qt::Key_CapsLock) {
        on = !m_capsLock;
    } else if (text.size() == 1 && text[0].isUpper() != text[0].isLower()) {
        const bool shift = event.modifiers().testFlag(Qt::ShiftModifier);
        on = text[0].isUpper() != shift;
    }
    if (on == m_capsLock)
        return;
    m_capsLock = on;
    if (m_capsLockObserver)
        m_capsLockObserver(on);
}

// Polish letters from an input method arrive here as committed text.
void CTypingEdit::inputMethodEvent(QInputMethodEvent* event) {
    TypeText(event->commitString());
    event->accept();
}

QVariant CTypingEdit::inputMethodQuery(Qt::InputMethodQuery query) const {
    // An input method shows its choices beside the caret.
    if (query == Qt::ImCursorRectangle)
        return CaretRect().translated(viewport()->pos());
    return QAbstractScrollArea::inputMethodQuery(query);
}

void CTypingEdit::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    event->accept();
}

void CTypingEdit::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}

void CTypingEdit::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}

void CTypingEdit::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
}

void CTypingEdit::TypeText(const QString& text) {
    for (const char32_t codePoint : text.toUcs4())
        if (IsTypeable(codePoint))
            Type(Cp1250FromUnicode(codePoint));
}

void CTypingEdit::Type(char ch) {
    const std::optional<char> expected = m_session.Typing().ExpectedChar();
    const CaretPlace before = Caret();
    Apply(m_session.OnChar(ch, TopLine()), before);
    if (m_keyObserver)
        m_keyObserver(expected, ch);
}

// The session has changed at most the characters between where the caret
// stood and where it stands now: those cells, or the two caret places when
// the caret went to another line, are drawn anew where the view shows them
// once it has followed the caret.
void CTypingEdit::Apply(const TypingStep& step, const CaretPlace& before) {
    if (step.scrollOneLine)
        verticalScrollBar()->setValue(TopLine() + 1);
    KeepTypingLinesInView();
    if (hasFocus()) {
        ShowCaret(true);
        if (m_caretBlink.isActive())
            m_caretBlink.start();
    }
    // The typed character reaches the screen at once, before the window's
    // other parts (the status line, the keyboard) follow the key.
    if (step.edit != TypingStep::Edit::None)
        Draw(ChangedCells(before));
    if (step.errorSound && m_beep.play)
        m_beep.play();
}

void CTypingEdit::Draw(const QRegion& region) {
    m_waiting += region;
    if (m_frameEnd.isActive())
        return;
    const qint64 sinceDrawn = m_lastDrawn.isValid() ? m_lastDrawn.elapsed() : kFrameMs;
    if (sinceDrawn >= kFrameMs)
        DrawWaiting();
    else
        m_frameEnd.start(static_cast<int>(kFrameMs - sinceDrawn));
}

void CTypingEdit::DrawWaiting() {
    const QRegion region = std::exchange(m_waiting, QRegion());
    m_lastDrawn.start();
    viewport()->repaint(region);
}

QRegion CTypingEdit::ChangedCells(const CaretPlace& before) const {
    // A glyph's edge may reach a little into the next cell.
    const int reach = qCeil(m_cells.Advance());
    const QRect from = CaretRectAt(before).adjusted(-reach, 0, reach, 0);
    const QRect to = CaretRect().adjusted(-reach, 0, reach, 0);
    if (before.line == m_session.Typing().CaretLine())
        return from.united(to);
    return QRegion(from) + to;
}

void CTypingEdit::KeepTypingLinesInView() {
    KeepCaretInView();
    const int modelLine = std::max(0, m_session.Typing().CaretLine() - 1);
    if (TopLine() > modelLine)
        verticalScrollBar()->setValue(modelLine);
}

// As Qt's text field follows its caret: down until the caret's line stands
// whole at the bottom, up until it is the top line, and sideways by half
// the width so that it stands in the middle.
void CTypingEdit::KeepCaretInView() {
    const QRect visible = viewport()->rect();
    const QRect caret = CaretRect();
    if (caret.top() < visible.top() || caret.bottom() > visible.bottom())
        ScrollToLine(m_session.Typing().CaretLine());
    if (caret.left() < visible.left() || caret.right() > visible.right())
        horizontalScrollBar()->setValue(caret.center().x() + horizontalScrollBar()->value() -
                                        visible.width() / 2);
}

void CTypingEdit::ScrollToLine(int line) {
    // Measured from the top of the top line, as the scroll bar counts.
    const int visibleTop = TopLine() == 0 ? -kMargin : 0;
    const int visibleHeight = viewport()->height();
    const int lineTop = (line - TopLine()) * m_lineHeight;
    if (lineTop + m_lineHeight >= visibleTop + visibleHeight) {
        int top = line;
        int below = line;
        int height = m_lineHeight;
        while (height < visibleHeight && top > 0) {
            below = top--;
            height += m_lineHeight;
        }
        const int marginAbove = top == 0 ? kMargin : 0;
        verticalScrollBar()->setValue(height + marginAbove <= visibleHeight ? top : below);
    } else if (lineTop < visibleTop) {
        verticalScrollBar()->setValue(line);
    }
}
