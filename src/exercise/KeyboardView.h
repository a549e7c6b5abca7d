// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "exercise/WidgetPictures.h"
#include "keyboard/Chord.h"

#include <QWidget>

#include <optional>
#include <vector>

// The Polish keyboard drawn to fit the widget (PaintKeyboard), with the
// keys of one chord lit.
class CKeyboardView : public QWidget {
    Q_OBJECT

public:
    explicit CKeyboardView(QWidget* parent = nullptr);

    // Lights the keys of the chord, or none; only keys that change are
    // drawn again.
    void Light(const std::optional<Chord>& chord);
    bool IsLit(int key) const { return m_lit[key]; }
    // Marks Caps Lock while it is on, unlike the keys to press: it is the
    // key to put off.
    void MarkCapsLock(bool on);
    bool IsCapsLockMarked() const { return m_capsLock; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void ShowLit();
    // The whole keyboard with every key plain, or every key lit.
    QPixmap Picture(bool lit);

    std::optional<Chord> m_chord;
    bool m_capsLock = false;
    std::vector<bool> m_lit;
    WidgetPictures<bool> m_pictures{2};
};
