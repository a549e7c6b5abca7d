// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ActiveLayout.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QInputMethod>
#include <QLocale>

#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstdlib>
#include <memory>

namespace {

// More than any layout, variant and option list the property holds.
constexpr long kMostPropertyWords = 1024;

// _XKB_RULES_NAMES holds the rules, model, layouts, variants and options,
// each ended by a zero byte; layouts and variants are comma-separated, one
// for each group.
std::optional<std::string> LayoutOfGroup(const QByteArray& rulesNames, int group) {
    const QList<QByteArray> fields = rulesNames.split('\0');
    if (fields.size() < 3)
        return std::nullopt;
    const QList<QByteArray> layouts = fields[2].split(',');
    const QList<QByteArray> variants =
        fields.size() > 3 ? fields[3].split(',') : QList<QByteArray>{};
    if (group >= layouts.size() || layouts[group].isEmpty())
        return std::nullopt;
    QByteArray layout = layouts[group];
    if (group < variants.size() && !variants[group].isEmpty())
        layout += '(' + variants[group] + ')';
    return layout.toStdString();
}

std::optional<std::string> XkbLayout(Display* display) {
    const Atom rulesNames = XInternAtom(display, "_XKB_RULES_NAMES", True);
    XkbStateRec state{};
    if (rulesNames == None || XkbGetState(display, XkbUseCoreKbd, &state) != Success)
        return std::nullopt;
    Atom type = None;
    int format = 0;
    unsigned long length = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, DefaultRootWindow(display), rulesNames, 0, kMostPropertyWords,
                           False, XA_STRING, &type, &format, &length, &remaining,
                           &data) != Success ||
        !data)
        return std::nullopt;
    const QByteArray names(reinterpret_cast<const char*>(data), static_cast<qsizetype>(length));
    XFree(data);
    return LayoutOfGroup(names, state.group);
}

bool OffscreenAsked() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    const QByteArray name(platform ? platform : "");
    return name.startsWith("offscreen") || name.startsWith("minimal");
}

// The command line runs before the application and its display connection.
std::optional<std::string> LayoutOfOwnDisplay() {
    if (OffscreenAsked())
        return std::nullopt;
    const std::unique_ptr<Display, int (*)(Display*)> display(XOpenDisplay(nullptr),
                                                              &XCloseDisplay);
    return display ? XkbLayout(display.get()) : std::nullopt;
}

} // namespace

std::optional<std::string> ActiveKeyboardLayout() {
    if (!qGuiApp)
        return LayoutOfOwnDisplay();
    if (auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>())
        return x11->display() ? XkbLayout(x11->display()) : std::nullopt;
    // Elsewhere (Wayland) the keymap is the compositor's, and the locale
    // says nothing of it: the exercise learns it from the keys that come.
    return std::nullopt;
}
