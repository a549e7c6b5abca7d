#include "exercise/TypingEdit.h"

#include "exercise/TypingColours.h"

#include "platform/ComposePreload.h"
#include "platform/Cp1250.h"
#include "platform/DialogTemplate.h"
#include "platform/ProgramContext.h"
#include "platform/QtText.h"

#include <QApplication>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <climits>

namespace {

// Larger than the dialog's own font, so the lesson reads well from a
// distance, and fixed-pitch, so each typed character stands under its model.
constexpr int kExtraPoints = 5;

const QFont& TypingFont() {
    static const QFont font = [] {
        QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        fixed.setPointSize(DialogFont().pointSize() + kExtraPoints);
        return fixed;
    }();
    return font;
}

// The look of a Qt text field: the text keeps this distance from the top
// and the left, a one-pixel caret, a horizontal scroll step of 20 pixels.
constexpr int kMargin = 4;
constexpr int kCaretWidth = 1;
constexpr int kHorizontalStep = 20;

bool IsTypeable(char32_t codePoint) {
    return QChar::isPrint(codePoint) || codePoint == U'\t';
}

void LayOutOneLine(QTextLayout& layout) {
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLeadingIncluded(true);
    line.setLineWidth(INT_MAX - 2 * kMargin);
    layout.endLayout();
}

// A line's height as a Qt text field stacks its lines.
int LineHeightOf(const QFont& font) {
    QTextLayout layout(QString(), font);
    LayOutOneLine(layout);
    const QTextLine line = layout.lineAt(0);
    return qCeil(line.height()) + (line.leading() < 0 ? qCeil(line.leading()) : 0);
}

} // namespace

CTypingEdit::CTypingEdit(CExerciseSession& session, QWidget* parent)
    : QAbstractScrollArea(parent), m_session(session) {
    setFont(TypingFont());
    m_layout.setFont(font());
    QTextOption noWrap;
    noWrap.setWrapMode(QTextOption::NoWrap);
    m_layout.setTextOption(noWrap);
    m_lineHeight = LineHeightOf(font());
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    horizontalScrollBar()->setSingleStep(kHorizontalStep);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    viewport()->setCursor(Qt::IBeamCursor);
    connect(&m_caretBlink, &QTimer::timeout, this, [this] { ShowCaret(!m_caretOn); });
    LoadErrorSound();
}

void CTypingEdit::ShowAids(bool shown) {
    m_aidsShown = shown;
    ForgetLayout();
    viewport()->update();
}

QList<QTextLayout::FormatRange> CTypingEdit::LineColours(int line) const {
    return m_aidsShown ? TypingColours(m_session.Typing(), line)
                       : QList<QTextLayout::FormatRange>();
}

void CTypingEdit::ShowSession() {
    ForgetLayout();
    const CTypingModel& typing = m_session.Typing();
    int widest = 0;
    for (int line = 1; line < LineCount(); ++line)
        if (typing.Line(line).size() > typing.Line(widest).size())
            widest = line;
    m_textWidth = LaidOut(widest).lineAt(0).naturalTextWidth() + 2 * kMargin;
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

const QTextLayout& CTypingEdit::LaidOut(int line) const {
    if (line != m_laidOutLine) {
        m_layout.setText(ToQString(m_session.Typing().Line(line)));
        m_layout.setFormats(LineColours(line));
        LayOutOneLine(m_layout);
        m_laidOutLine = line;
    }
    return m_layout;
}

// The caret stands at the end of the line being typed.
QRect CTypingEdit::CaretRect() const {
    const int line = m_session.Typing().CaretLine();
    const QTextLayout& layout = LaidOut(line);
    const qreal x = TextOrigin(line).x() + layout.lineAt(0).cursorToX(layout.text().size());
    return QRectF(x, LineTop(line), kCaretWidth, m_lineHeight).toRect();
}

void CTypingEdit::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::Text));
    const int lastRow = event->rect().bottom();
    const int caretLine = m_session.Typing().CaretLine();
    for (int line = TopLine(); line < LineCount() && LineTop(line) <= lastRow; ++line) {
        if (!event->region().intersects(LineRect(line)))
            continue;
        const QTextLayout& layout = LaidOut(line);
        layout.draw(&painter, TextOrigin(line));
        if (line == caretLine && m_caretOn && hasFocus())
            layout.drawCursor(&painter, TextOrigin(line), layout.text().size(), kCaretWidth);
    }
}

// Scrolling moves the pixels already drawn; only the lines that come into
// sight are drawn anew.
void CTypingEdit::scrollContentsBy(int dx, int) {
    const int shownAt = m_shownTopLine == 0 ? kMargin : 0;
    const int dy = LineTop(m_shownTopLine) - shownAt;
    m_shownTopLine = TopLine();
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
    const int lineBefore = m_session.Typing().CaretLine();
    Apply(m_session.OnChar(ch, TopLine()), lineBefore);
    if (m_keyObserver)
        m_keyObserver(expected, ch);
}

// The session has changed at most the line the caret stood on, and moved
// the caret at most to another line: those two are drawn anew, where the
// view shows them once it has followed the caret.
void CTypingEdit::Apply(const TypingStep& step, int lineBefore) {
    if (step.edit != TypingStep::Edit::None)
        ForgetLayout();
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
        viewport()->repaint(QRegion(LineRect(lineBefore)) |
                            LineRect(m_session.Typing().CaretLine()));
    if (step.errorSound)
        PlayErrorSound();
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
