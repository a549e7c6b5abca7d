#pragma once

#include "keyboard/Chord.h"
#include "keyboard/Finger.h"

#include <QWidget>

#include <optional>
#include <set>

// A small pair of hands beside the on-screen keyboard, each finger in its
// colour of the keyboard; the fingers of the chord to type next are lit in
// the colour of the lit keys.
class CHandsView : public QWidget {
    Q_OBJECT

public:
    explicit CHandsView(QWidget* parent = nullptr);

    void Light(const std::optional<Chord>& chord);
    bool IsLit(Finger finger) const { return m_lit.contains(finger); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void PaintHand(QPainter& painter, const QRectF& area, bool left) const;

    std::set<Finger> m_lit;
};
