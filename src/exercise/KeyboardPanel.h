// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "keyboard/Chord.h"

#include <QWidget>

#include <array>
#include <optional>

class CHandsView;
class CKeyboardView;
class CTypingModel;

// The on-screen keyboard under the exercise: the key expected next lit, and
// its fingers on a pair of hands beside it, with one line under it that
// names the chord and its fingers or, right after a plain letter was typed
// for a Polish one, how to type the Polish letter. A line above it warns
// while the keyboard layout in use cannot type the lesson's Polish letters;
// Caps Lock is marked on the keyboard while it is on.
class CKeyboardPanel : public QWidget {
    Q_OBJECT

public:
    explicit CKeyboardPanel(QWidget* parent = nullptr);

    // Follows the typing after a key: expected is what the pupil should have
    // typed, typed what came. Without a key it only shows what comes next.
    void Follow(const CTypingModel& typing, std::optional<char> expected = std::nullopt,
                char typed = 0);

    // Caps Lock as the typing field last saw it.
    void ShowCapsLock(bool on);
    // Whether the layout in use cannot type the lesson's Polish letters.
    void ShowLayoutWarning(bool shown);

    const CKeyboardView& View() const { return *m_view; }
    const CHandsView& Hands() const { return *m_hands; }
    QString ChordLine() const;
    QString WarningLine() const;

private:
    class TextLine;
    // The chord of a character and the line that names it.
    struct NextKey {
        std::optional<Chord> chord;
        QString text;
    };

    const NextKey& NextKeyOf(char ch);

    CKeyboardView* m_view;
    CHandsView* m_hands;
    TextLine* m_warning;
    TextLine* m_line;
    QString m_hint;
    // Where the caret stood right after the slip the hint is about; the hint
    // is shown only while it stands there.
    int m_hintLine = -1;
    int m_hintColumn = -1;
    // Worked out once per character, not at every keystroke.
    std::array<std::optional<NextKey>, 256> m_nextKeys;
};
