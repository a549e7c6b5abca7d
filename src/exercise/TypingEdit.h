// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "exercise/ExerciseSession.h"
#include "exercise/TextCells.h"
#include "platform/ErrorBeep.h"

#include <QAbstractScrollArea>
#include <QElapsedTimer>
#include <QTextLayout>
#include <QTimer>

#include <functional>
#include <optional>

// The field in which the pupil copies the lesson. It draws the exercise
// session's lines in a larger fixed-pitch font, each model line with the
// pupil's line below it, and feeds the session typed characters; the session
// decides and holds the text, the field only shows the step it is given.
// Only the lines in sight are drawn, character by character in their cells,
// and a key repaints only the cells it changed, so a long lesson costs no
// more per key, and little more memory, than a short one. The field is
// painted at most once a frame: a key after a pause is drawn at once, keys
// that come faster together at the end of the frame. Nothing else reaches the text: no mouse
// placement or selection, no navigation keys, no clipboard or undo.
class CTypingEdit : public QAbstractScrollArea {
    Q_OBJECT

public:
    // The beep is readied at once and heard on each wrong key.
    explicit CTypingEdit(CExerciseSession& session, ErrorBeep beep = {}, QWidget* parent = nullptr);

    // The colours of the model lines and of wrong characters, one of the
    // teaching aids; without them the text is the field's plain text.
    void ShowAids(bool shown);
    // Sizes the lesson's font to the window's font, which a small screen
    // makes smaller.
    void FollowDialogFont(const QFont& dialogFont);
    // The colours a line is drawn in: none without the aids.
    QList<QTextLayout::FormatRange> LineColours(int line) const;

    // Shows the session's text from the start, after its lines were set.
    void ShowSession();

    // Where the caret stands, in the coordinates of the viewport.
    QRect CaretRect() const;

    // Called after each judged key with the character that was expected
    // (nothing once the exercise was finished) and the one typed.
    using KeyObserver = std::function<void(std::optional<char> expected, char typed)>;
    void SetKeyObserver(KeyObserver observer) { m_keyObserver = std::move(observer); }

    // Called when a key shows that Caps Lock went on or off: the Caps Lock
    // key itself, or a letter whose case disagrees with Shift.
    using CapsLockObserver = std::function<void(bool on)>;
    void SetCapsLockObserver(CapsLockObserver observer) {
        m_capsLockObserver = std::move(observer);
    }

    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

protected:
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void UseFont(const QFont& typingFont);
    // Where the caret stands: its line, and how far from the line's start.
    struct CaretPlace {
        int line;
        qreal x;
    };

    void FollowCapsLock(const QKeyEvent& event);
    void TypeText(const QString& text);
    void Type(char ch);
    void Apply(const TypingStep& step, const CaretPlace& before);
    // Draws the region now, or with whatever else changes, at the end of
    // the frame in which the field was last painted.
    void Draw(const QRegion& region);
    void DrawWaiting();
    // What a key changed, in the coordinates of the viewport.
    QRegion ChangedCells(const CaretPlace& before) const;
    // The line being typed and its model line above it.
    void KeepTypingLinesInView();
    void KeepCaretInView();
    void ScrollToLine(int line);

    int LineCount() const { return m_session.Typing().LineCount(); }
    int TopLine() const;
    // The top of a line in the viewport, and where its text begins.
    int LineTop(int line) const;
    QPointF TextOrigin(int line) const;
    QRect LineRect(int line) const;
    CaretPlace Caret() const;
    QRect CaretRectAt(const CaretPlace& place) const;
    void UpdateScrollRanges();
    void ShowCaret(bool shown);

    CExerciseSession& m_session;
    ErrorBeep m_beep;
    bool m_aidsShown = true;
    KeyObserver m_keyObserver;
    CapsLockObserver m_capsLockObserver;
    bool m_capsLock = false;
    int m_lineHeight = 0;
    qreal m_textWidth = 0;  // of the widest line, margins included
    int m_shownTopLine = 0; // the top line the viewport's pixels show
    CTextCells m_cells;
    bool m_caretOn = false;
    QTimer m_caretBlink;
    QRegion m_waiting;         // changed cells not painted yet
    QTimer m_frameEnd;         // paints m_waiting
    QElapsedTimer m_lastDrawn; // since the field was last painted for a key
};
