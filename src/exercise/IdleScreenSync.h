// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QTimer>

class QWidget;

// Keeps a keystroke's drawing free of a wait for the display server.
//
// On X11 a window's pixels reach the server from memory both share, and
// after showing them Qt does not know when the server is done reading. So
// before it paints again over pixels it has shown since it last asked, Qt
// makes a round trip to the server. A key repaints the line the previous
// key repainted, and the caret blinks there, so every key would wait for
// that round trip before it is drawn.
//
// This object asks in the pause after the window was painted: it repaints
// one pixel of the window's margin that keys never touch, once the window
// has been quiet for a moment. Qt makes its round trip then, and forgets
// what it had shown; the next key's drawing goes out at once. Elsewhere
// (Wayland, other backing stores) the repainted pixel costs next to nothing.
class CIdleScreenSync : public QObject {
    Q_OBJECT

public:
    explicit CIdleScreenSync(QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void RepaintSpot();

    QWidget& m_window;
    QTimer m_quiet;
    bool m_repainting = false;
};
