#pragma once

#include <QWidget>

#include <optional>

class CKeyboardView;
class CTypingModel;

// The on-screen keyboard under the exercise: the key expected next lit,
// with one line under it that names the chord and its fingers, or, for the
// rest of a line where a plain letter was typed for a Polish one, how to
// type the Polish letter.
class CKeyboardPanel : public QWidget {
public:
    explicit CKeyboardPanel(QWidget* parent = nullptr);

    // Follows the typing after a key: expected is what the pupil should have
    // typed, typed what came. Without a key it only shows what comes next.
    void Follow(const CTypingModel& typing, std::optional<char> expected = std::nullopt,
                char typed = 0);

    const CKeyboardView& View() const { return *m_view; }
    QString ChordLine() const;

private:
    class TextLine;

    CKeyboardView* m_view;
    TextLine* m_line;
    QString m_hint;
    int m_hintLine = -1;
};
