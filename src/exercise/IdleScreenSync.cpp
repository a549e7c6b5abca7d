// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercise/IdleScreenSync.h"

#include <QEvent>
#include <QWidget>

namespace {

// Long enough for a key's later paints (the keyboard, the status line) to
// be done, short enough to come well before the next key of a fast typist.
constexpr int kQuietMs = 10;

} // namespace

CIdleScreenSync::CIdleScreenSync(QWidget& window) : QObject(&window), m_window(window) {
    m_quiet.setSingleShot(true);
    m_quiet.setInterval(kQuietMs);
    connect(&m_quiet, &QTimer::timeout, this, &CIdleScreenSync::RepaintSpot);
    window.installEventFilter(this);
}

// Every paint of the window, whether posted or done at once, starts with
// an update request to the window itself.
bool CIdleScreenSync::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_window && event->type() == QEvent::UpdateRequest && !m_repainting &&
        !m_quiet.isActive())
        m_quiet.start();
    return false;
}

// The window's top left pixel is its own margin, under no child.
void CIdleScreenSync::RepaintSpot() {
    m_repainting = true;
    m_window.repaint(0, 0, 1, 1);
    m_repainting = false;
}
