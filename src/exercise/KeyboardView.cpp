// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

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

void CKeyboardView::MarkCapsLock(bool on) {
    if (on == m_capsLock)
        return;
    m_capsLock = on;
    update(KeyRectIn(rect(), CapsLockKey()));
}

// Only the keys whose light changes are drawn again, so a keystroke repaints
// the key put out and the key lit, never the whole keyboard.
void CKeyboardView::ShowLit() {
    const ChordKeys chordKeys = m_chord ? KeysOf(*m_chord) : ChordKeys();
    for (int key = 0; key < static_cast<int>(m_lit.size()); ++key) {
        const bool lit = std::ranges::find(chordKeys, key) != chordKeys.end();
        if (lit != m_lit[key]) {
            m_lit[key] = lit;
            update(KeyRectIn(rect(), key));
        }
    }
}

// Each key is copied from one of two pictures of the whole keyboard: every
// key plain, and every key lit.
void CKeyboardView::paintEvent(QPaintEvent* event) {
    const QPixmap plain = Picture(false);
    const QPixmap lit = Picture(true);
    QPainter painter(this);
    for (const QRect& part : event->region())
        DrawPart(painter, plain, part);
    for (int key = 0; key < static_cast<int>(m_lit.size()); ++key) {
        if (!m_lit[key])
            continue;
        const QRect rect = KeyRectIn(this->rect(), key);
        if (event->region().intersects(rect))
            DrawPart(painter, lit, rect);
    }
    if (const QRect caps = KeyRectIn(rect(), CapsLockKey());
        m_capsLock && event->region().intersects(caps))
        PaintWarnedKey(painter, caps);
}

QPixmap CKeyboardView::Picture(bool lit) {
    return m_pictures.Of(*this, lit, [&](QPainter& painter) {
        PaintKeyboard(painter, rect(), {.lit = std::vector<bool>(m_lit.size(), lit)});
    });
}
