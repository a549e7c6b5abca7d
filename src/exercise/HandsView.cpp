// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercise/HandsView.h"

#include "exercise/KeyboardPainter.h"
#include "keyboard/PolishKeyboard.h"

#include <QPainter>

#include <algorithm>
#include <array>

namespace {

const QColor kLitOutline{170, 80, 0};
const QColor kOutline{120, 110, 130};
const QColor kPalm{250, 240, 230};
constexpr int kLitOutlineWidth = 2;
constexpr double kHandGap = 0.06;   // of the widget's width, between the hands
constexpr double kHandAspect = 0.9; // a hand's width to its height
// Sets of lit fingers whose pictures are kept; a lesson needs only a few.
constexpr qsizetype kMostPicturesKept = 32;

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

// One rounded rectangle of a hand, placed in the widget: a finger, or the
// palm (Finger::None), which is painted last and covers the fingers' roots.
struct HandPart {
    Finger finger;
    QTransform place;
    QRectF shape;
    double radius;
};
constexpr int kPartsPerHand = 2 + kLeftFingers.size(); // thumb, fingers, palm
using HandParts = std::array<HandPart, 2 * kPartsPerHand>;

// The same finger of the right hand.
Finger Mirrored(Finger finger) {
    return static_cast<Finger>(static_cast<int>(Finger::RightLittle) - static_cast<int>(finger));
}

size_t Bit(Finger finger) {
    return static_cast<size_t>(finger);
}

// The parts of a left hand in area, or of a right one mirrored into it, in
// the order they are painted.
void PlaceHand(const QRectF& area, bool left, HandPart* parts) {
    QTransform hand = QTransform::fromTranslate(area.left(), area.top());
    if (!left) {
        hand.translate(area.width(), 0);
        hand.scale(-1, 1);
    }
    const double w = area.width(), h = area.height();
    QTransform thumb = hand;
    thumb.translate(w * 0.72, h * 0.62);
    thumb.rotate(-35);
    *parts++ = {left ? Finger::LeftThumb : Finger::RightThumb, thumb,
                QRectF(0, -h * 0.09, w * 0.32, h * 0.18), h * 0.08};
    for (const FingerShape& shape : kLeftFingers) {
        const QRectF finger(w * shape.left, h * shape.top, w * shape.width,
                            h * (kPalmTop + 0.15 - shape.top));
        *parts++ = {left ? shape.finger : Mirrored(shape.finger), hand, finger, finger.width() / 2};
    }
    *parts = {Finger::None, hand,
              QRectF(w * kPalmLeft, h * kPalmTop, w * kPalmWidth, h * (1 - kPalmTop) - 1),
              w * 0.12};
}

// Both hands, side by side at the bottom of a widget of the given size.
HandParts PlaceHands(const QSize& size) {
    const double handWidth =
        std::min(size.width() * (1.0 - kHandGap) / 2.0, size.height() * kHandAspect);
    const double handHeight = handWidth / kHandAspect;
    const double gap = size.width() - 2 * handWidth;
    const double top = size.height() - handHeight;
    HandParts parts;
    PlaceHand(QRectF(gap / 4, top, handWidth, handHeight), true, parts.data());
    PlaceHand(QRectF(size.width() - gap / 4 - handWidth, top, handWidth, handHeight), false,
              parts.data() + kPartsPerHand);
    return parts;
}

// All that a finger paints, lit or not, its outline and smoothed edge included.
QRect BoundsOf(const HandPart& part) {
    const double margin = kLitOutlineWidth / 2.0 + 1;
    return part.place.mapRect(part.shape)
        .adjusted(-margin, -margin, margin, margin)
        .toAlignedRect();
}

} // namespace

CHandsView::CHandsView(QWidget* parent) : QWidget(parent), m_pictures(kMostPicturesKept) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CHandsView::Light(const std::optional<Chord>& chord) {
    Fingers lit;
    if (chord) {
        for (const int key : KeysOf(*chord)) {
            const Finger finger = PolishKeyboard()[key].finger;
            // The space bar is for either thumb.
            if (finger == Finger::Thumb) {
                lit.set(Bit(Finger::LeftThumb));
                lit.set(Bit(Finger::RightThumb));
            } else {
                lit.set(Bit(finger));
            }
        }
    }
    const Fingers changed = lit ^ m_lit;
    if (changed.none())
        return;
    m_lit = lit;
    for (const HandPart& part : PlaceHands(size()))
        if (part.finger != Finger::None && changed.test(Bit(part.finger)))
            update(BoundsOf(part));
}

void CHandsView::paintEvent(QPaintEvent*) {
    const QPixmap picture =
        m_pictures.Of(*this, m_lit.to_ulong(), [this](QPainter& painter) { PaintHands(painter); });
    QPainter(this).drawPixmap(0, 0, picture);
}

void CHandsView::PaintHands(QPainter& painter) const {
    painter.setRenderHint(QPainter::Antialiasing);
    for (const HandPart& part : PlaceHands(size())) {
        if (part.finger == Finger::None) {
            painter.setPen(QPen(kOutline, 1));
            painter.setBrush(kPalm);
        } else if (m_lit.test(Bit(part.finger))) {
            painter.setPen(QPen(kLitOutline, kLitOutlineWidth));
            painter.setBrush(kLitColour);
        } else {
            painter.setPen(QPen(kOutline, 1));
            painter.setBrush(FingerColour(part.finger));
        }
        painter.setTransform(part.place);
        painter.drawRoundedRect(part.shape, part.radius, part.radius);
    }
}
