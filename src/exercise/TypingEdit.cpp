#include "exercise/TypingEdit.h"

#include "exercise/TypingHighlighter.h"

#include "platform/ComposePreload.h"
#include "platform/Cp1250.h"
#include "platform/DialogTemplate.h"
#include "platform/ProgramContext.h"
#include "platform/QtText.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTextBlock>

#include <algorithm>

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

// The lines a window shows at once, and then with each part that follows.
constexpr int kLinesAtOnce = 200;
constexpr int kLinesPerPart = 1000;

bool IsTypeable(char32_t codePoint) {
    return QChar::isPrint(codePoint) || codePoint == U'\t';
}

} // namespace

CTypingEdit::CTypingEdit(CExerciseSession& session, QWidget* parent)
    : QPlainTextEdit(parent), m_session(session) {
    setFont(TypingFont());
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setUndoRedoEnabled(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
    m_highlighter = new CTypingHighlighter(document());
    m_loader.setInterval(0);
    connect(&m_loader, &QTimer::timeout, this, [this] { ShowMoreLines(kLinesPerPart); });
    LoadErrorSound();
}

void CTypingEdit::ShowAids(bool shown) {
    // A highlighter taken off its document clears the colours it gave.
    m_highlighter->setDocument(shown ? document() : nullptr);
    if (shown)
        m_highlighter->rehighlight();
}

void CTypingEdit::ShowSession() {
    m_loader.stop();
    m_linesShown = 0;
    setPlainText(QString());
    ShowMoreLines(kLinesAtOnce);
    MoveCaretToLine(m_session.Typing().CaretLine());
    KeepTypingLinesInView();
}

// A long lesson opens with its first lines; the rest follow while the
// pupil reads them, a part at a time, so the window opens at once.
void CTypingEdit::ShowMoreLines(int count) {
    const CTypingModel& typing = m_session.Typing();
    const int end = std::min(typing.LineCount(), m_linesShown + count);
    QStringList text;
    text.reserve(end - m_linesShown);
    for (int line = m_linesShown; line < end; ++line)
        text << ToQString(typing.Line(line));
    QTextCursor atEnd(document());
    atEnd.movePosition(QTextCursor::End);
    atEnd.insertText((m_linesShown > 0 ? QStringLiteral("\n") : QString()) + text.join(u'\n'));
    m_linesShown = end;
    if (m_linesShown < typing.LineCount())
        m_loader.start();
    else
        m_loader.stop();
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

void CTypingEdit::focusInEvent(QFocusEvent* event) {
    QPlainTextEdit::focusInEvent(event);
    QTimer::singleShot(0, this, [this] { PreloadComposeTable(*this); });
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

bool CTypingEdit::canInsertFromMimeData(const QMimeData*) const {
    return false;
}

void CTypingEdit::insertFromMimeData(const QMimeData*) {}

void CTypingEdit::TypeText(const QString& text) {
    for (const char32_t codePoint : text.toUcs4())
        if (IsTypeable(codePoint))
            Type(Cp1250FromUnicode(codePoint));
}

void CTypingEdit::Type(char ch) {
    const std::optional<char> expected = m_session.Typing().ExpectedChar();
    Apply(m_session.OnChar(ch, verticalScrollBar()->value()), ch);
    if (m_keyObserver)
        m_keyObserver(expected, ch);
}

void CTypingEdit::Apply(const TypingStep& step, char ch) {
    QTextCursor caret = textCursor();
    switch (step.edit) {
    case TypingStep::Edit::None:
        break;
    case TypingStep::Edit::InsertChar:
        caret.insertText(ToQString(std::string(1, ch)));
        setTextCursor(caret);
        break;
    case TypingStep::Edit::DeleteBeforeCaret:
        caret.deletePreviousChar();
        setTextCursor(caret);
        break;
    case TypingStep::Edit::MoveCaret:
        MoveCaretToLine(m_session.Typing().CaretLine());
        break;
    }
    if (step.scrollOneLine)
        verticalScrollBar()->setValue(verticalScrollBar()->value() + 1);
    KeepTypingLinesInView();
    if (step.errorSound)
        PlayErrorSound();
}

void CTypingEdit::KeepTypingLinesInView() {
    ensureCursorVisible();
    const int modelLine = std::max(0, m_session.Typing().CaretLine() - 1);
    if (verticalScrollBar()->value() > modelLine)
        verticalScrollBar()->setValue(modelLine);
}

void CTypingEdit::MoveCaretToLine(int line) {
    if (line >= m_linesShown)
        ShowMoreLines(line + 1 - m_linesShown);
    setTextCursor(QTextCursor(document()->findBlockByNumber(line)));
}
