// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ComposePreload.h"

#include "platform/ComposeChoice.h"

#include <QGuiApplication>
#include <QWidget>

#include <X11/Xlib.h>
#include <X11/keysym.h>

#include <cstdlib>

namespace {

bool KeysGoThroughQtCompose() {
    const char* imModule = std::getenv("QT_IM_MODULE");
    return UsesQtComposeInput(imModule ? std::optional<std::string_view>(imModule) : std::nullopt);
}

} // namespace

void PreloadComposeTable(QWidget& textField) {
    static bool sent = false;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    Display* display = x11 ? x11->display() : nullptr;
    if (sent || !display || !textField.hasFocus() || !KeysGoThroughQtCompose())
        return;
    sent = true;
    XKeyEvent key{};
    key.type = KeyPress;
    key.display = display;
    key.window = textField.window()->winId();
    key.root = DefaultRootWindow(display);
    key.same_screen = True;
    key.keycode = XKeysymToKeycode(display, XK_Shift_L);
    XSendEvent(display, key.window, True, KeyPressMask, reinterpret_cast<XEvent*>(&key));
    key.type = KeyRelease;
    XSendEvent(display, key.window, True, KeyReleaseMask, reinterpret_cast<XEvent*>(&key));
    XFlush(display);
}
