#pragma once

#include "keyboard/Chord.h"
#include "pupils/CharErrorCount.h"

#include <QPixmap>
#include <QWidget>

#include <optional>
#include <vector>

// The Polish keyboard drawn to fit the widget: keys tinted by the finger
// that presses them, bumps on F and J, and the keys of one chord lit: a
// thick frame around the finger's colour, with the finger named on the key.
class CKeyboardView : public QWidget {
public:
    explicit CKeyboardView(QWidget* parent = nullptr);

    // Lights the keys of the chord, or none; only keys that change are
    // drawn again.
    void Light(const std::optional<Chord>& chord);
    bool IsLit(int key) const { return m_lit[key]; }
    // Lights Caps Lock while it is on, beside the chord.
    void LightCapsLock(bool on);

    // Tints every key by how often the characters it types were mistyped,
    // from white (never) to red (most): a heat map in place of the fingers.
    void ShowHeat(const CharErrorArray& errors);
    QRect KeyRect(int key) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void ShowLit();
    QPixmap DrawKeyboard(bool lit) const;
    void PaintKey(QPainter& painter, int key, bool lit) const;

    QColor FillOf(int key) const;

    std::optional<Chord> m_chord;
    bool m_capsLock = false;
    std::vector<bool> m_lit;
    std::vector<double> m_heat; // 0 to 1 per key; empty for the fingers' tints
    QPixmap m_plainPicture;
    QPixmap m_litPicture;
};
