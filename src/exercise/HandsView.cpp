#include "exercise/HandsView.h"

#include "exercise/KeyboardPainter.h"
#include "keyboard/PolishKeyboard.h"

#include <QPainter>

#include <algorithm>
#include <array>

namespace {

const QColor kLitOutline{170, 80, 0};
const QColor kOutline{120, 110, 130};
constexpr double kHandGap = 0.06;   // of the widget's width, between the hands
constexpr double kHandAspect = 0.9; // a hand's width to its height

// One finger of a left hand, in shares of the hand's box: the finger's
// left edge, its top, and its width; fingers reach down into the palm.
struct FingerShape {
    Finger finger;
    double left, top, width;
};
constexpr std::array<FingerShape, 4> kLeftFingers{{
    {Finger::LeftLittle, 0.02, 0.22, 0.15},
    {Finger::LeftRing, 0.19, 0.08, 0.16},
    {Finger::LeftMiddle, 0.37, 0.0, 0.16},
    {Finger::LeftIndex, 0.55, 0.06, 0.16},
}};
constexpr double kPalmTop = 0.45, kPalmLeft = 0.02, kPalmWidth = 0.69;

// The same finger of the right hand.
Finger Mirrored(Finger finger) {
    return static_cast<Finger>(static_cast<int>(Finger::RightLittle) - static_cast<int>(finger));
}

} // namespace

CHandsView::CHandsView(QWidget* parent) : QWidget(parent) {}

void CHandsView::Light(const std::optional<Chord>& chord) {
    std::set<Finger> lit;
    if (chord)
        for (const int key : KeysOf(*chord))
            lit.insert(PolishKeyboard()[key].finger);
    // The space bar is for either thumb.
    if (lit.erase(Finger::Thumb)) {
        lit.insert(Finger::LeftThumb);
        lit.insert(Finger::RightThumb);
    }
    if (lit != m_lit) {
        m_lit = std::move(lit);
        update();
    }
}

void CHandsView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    painter.setRenderHint(QPainter::Antialiasing);
    const double handWidth = std::min(width() * (1.0 - kHandGap) / 2.0, height() * kHandAspect);
    const double handHeight = handWidth / kHandAspect;
    const double gap = width() - 2 * handWidth;
    const double top = height() - handHeight;
    PaintHand(painter, QRectF(gap / 4, top, handWidth, handHeight), true);
    PaintHand(painter, QRectF(width() - gap / 4 - handWidth, top, handWidth, handHeight), false);
}

// Draws a left hand into area, or a right one mirrored into it.
void CHandsView::PaintHand(QPainter& painter, const QRectF& area, bool left) const {
    painter.save();
    painter.translate(area.topLeft());
    if (!left) {
        painter.translate(area.width(), 0);
        painter.scale(-1, 1);
    }
    const double w = area.width(), h = area.height();
    const auto fill = [&](Finger finger) {
        const bool lit = m_lit.contains(finger);
        painter.setPen(QPen(lit ? kLitOutline : kOutline, lit ? 2 : 1));
        painter.setBrush(lit ? kLitColour : FingerColour(finger));
    };
    const Finger thumb = left ? Finger::LeftThumb : Finger::RightThumb;
    fill(thumb);
    painter.save();
    painter.translate(w * 0.72, h * 0.62);
    painter.rotate(-35);
    painter.drawRoundedRect(QRectF(0, -h * 0.09, w * 0.32, h * 0.18), h * 0.08, h * 0.08);
    painter.restore();
    for (const FingerShape& shape : kLeftFingers) {
        fill(left ? shape.finger : Mirrored(shape.finger));
        const QRectF finger(w * shape.left, h * shape.top, w * shape.width,
                            h * (kPalmTop + 0.15 - shape.top));
        painter.drawRoundedRect(finger, finger.width() / 2, finger.width() / 2);
    }
    painter.setPen(QPen(kOutline, 1));
    painter.setBrush(QColor(250, 240, 230));
    painter.drawRoundedRect(
        QRectF(w * kPalmLeft, h * kPalmTop, w * kPalmWidth, h * (1 - kPalmTop) - 1), w * 0.12,
        w * 0.12);
    painter.restore();
}
