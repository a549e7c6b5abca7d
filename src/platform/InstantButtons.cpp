// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/InstantButtons.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QShortcutEvent>

CInstantButtons::CInstantButtons() {
    QCoreApplication::instance()->installEventFilter(this);
}

CInstantButtons::~CInstantButtons() {
    QCoreApplication::instance()->removeEventFilter(this);
}

// An ambiguous shortcut (two buttons with one letter) only moves the focus,
// as it always does.
bool CInstantButtons::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Shortcut)
        return false;
    auto* button = qobject_cast<QAbstractButton*>(watched);
    if (!button || static_cast<QShortcutEvent*>(event)->isAmbiguous() || !button->isEnabled())
        return false;
    button->click();
    return true;
}
