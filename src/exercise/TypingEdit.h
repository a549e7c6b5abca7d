#pragma once

#include "exercise/ExerciseSession.h"

#include <QPlainTextEdit>
#include <QTimer>

#include <functional>
#include <optional>

class CTypingHighlighter;

// The field in which the pupil copies the lesson. It shows the exercise
// session's text in a larger fixed-pitch font and feeds it typed characters;
// the session decides, the field only carries out the step it is given. Nothing else
// reaches the text: no mouse placement or selection, no navigation keys, no
// clipboard, drag and drop or undo.
class CTypingEdit : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit CTypingEdit(CExerciseSession& session, QWidget* parent = nullptr);

    // The colours of the model lines and of wrong characters, one of the
    // teaching aids; without them the text is the field's plain text.
    void ShowAids(bool shown);

    // Shows the session's text from the start, after its lines were set;
    // a long lesson's later lines follow while the pupil starts.
    void ShowSession();

    // Called after each judged key with the character that was expected
    // (nothing once the exercise was finished) and the one typed.
    using KeyObserver = std::function<void(std::optional<char> expected, char typed)>;
    void SetKeyObserver(KeyObserver observer) { m_keyObserver = std::move(observer); }

    // Called when a key shows that Caps Lock went on or off: the Caps Lock
    // key itself, or a letter whose case disagrees with Shift.
    using CapsLockObserver = std::function<void(bool on)>;
    void SetCapsLockObserver(CapsLockObserver observer) { m_capsLockObserver = std::move(observer); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    void FollowCapsLock(const QKeyEvent& event);
    void TypeText(const QString& text);
    void Type(char ch);
    void Apply(const TypingStep& step, char ch);
    void MoveCaretToLine(int line);
    void ShowMoreLines(int count);
    // The line being typed and its model line above it.
    void KeepTypingLinesInView();

    CExerciseSession& m_session;
    CTypingHighlighter* m_highlighter;
    KeyObserver m_keyObserver;
    CapsLockObserver m_capsLockObserver;
    bool m_capsLock = false;
    int m_linesShown = 0; // the session's lines already in the text
    QTimer m_loader;
};
