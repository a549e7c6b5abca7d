// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "exercise/WidgetPictures.h"
#include "keyboard/Chord.h"
#include "keyboard/Finger.h"

#include <QWidget>

#include <bitset>
#include <optional>

// A small pair of hands beside the on-screen keyboard, each finger in its
// colour of the keyboard; the fingers of the chord to type next are lit in
// the colour of the lit keys.
class CHandsView : public QWidget {
    Q_OBJECT

public:
    explicit CHandsView(QWidget* parent = nullptr);

    // Lights the fingers of the chord, or none; only fingers that change
    // are drawn again.
    void Light(const std::optional<Chord>& chord);
    bool IsLit(Finger finger) const { return m_lit.test(static_cast<size_t>(finger)); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    using Fingers = std::bitset<static_cast<size_t>(Finger::None) + 1>;

    void PaintHands(QPainter& painter) const;

    Fingers m_lit;
    WidgetPictures<unsigned long> m_pictures;
};
