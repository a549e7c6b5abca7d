#include "exercise/KeyboardView.h"

#include "exercise/KeyboardPainter.h"
#include "keyboard/PolishKeyboard.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace {

// Copies the part of a picture of the whole widget that lies under rect.
void DrawPart(QPainter& painter, const QPixmap& picture, const QRect& rect) {
    const double ratio = picture.devicePixelRatio();
    painter.drawPixmap(QRectF(rect), picture,
                       QRectF(rect.topLeft() * ratio, QSizeF(rect.size()) * ratio));
}

} // namespace

CKeyboardView::CKeyboardView(QWidget* parent)
    : QWidget(parent), m_lit(PolishKeyboard().size(), false) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CKeyboardView::Light(const std::optional<Chord>& chord) {
    m_chord = chord;
    ShowLit();
}

void CKeyboardView::LightCapsLock(bool on) {
    m_capsLock = on;
    ShowLit();
}

// Only the keys whose light changes are drawn again, so a keystroke repaints
// the key put out and the key lit, never the whole keyboard.
void CKeyboardView::ShowLit() {
    const ChordKeys chordKeys = m_chord ? KeysOf(*m_chord) : ChordKeys();
    for (int key = 0; key < static_cast<int>(m_lit.size()); ++key) {
        const bool lit = std::ranges::find(chordKeys, key) != chordKeys.end() ||
                         (m_capsLock && key == CapsLockKey());
        if (lit != m_lit[key]) {
            m_lit[key] = lit;
            update(KeyRectIn(rect(), key));
        }
    }
}

// Each key is copied from one of two pictures of the whole keyboard, drawn
// once for the widget's size at the screen's pixel density: every key
// plain, and every key lit.
void CKeyboardView::paintEvent(QPaintEvent* event) {
    const double ratio = devicePixelRatioF();
    if (m_plainPicture.size() != size() * ratio || m_plainPicture.devicePixelRatio() != ratio) {
        m_plainPicture = DrawKeyboard(false);
        m_litPicture = DrawKeyboard(true);
    }
    QPainter painter(this);
    for (const QRect& part : event->region())
        DrawPart(painter, m_plainPicture, part);
    for (int key = 0; key < static_cast<int>(m_lit.size()); ++key) {
        if (!m_lit[key])
            continue;
        const QRect rect = KeyRectIn(this->rect(), key);
        if (event->region().intersects(rect))
            DrawPart(painter, m_litPicture, rect);
    }
}

QPixmap CKeyboardView::DrawKeyboard(bool lit) const {
    const double ratio = devicePixelRatioF();
    QPixmap picture(size() * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(palette().color(QPalette::Window));
    QPainter painter(&picture);
    painter.setFont(font());
    PaintKeyboard(painter, rect(), {.lit = std::vector<bool>(m_lit.size(), lit)});
    return picture;
}
