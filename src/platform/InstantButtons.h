// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

// While one lives, a button's keyboard shortcut (Alt and its underlined
// letter) presses the button at once. Qt shows the press for 100 ms first,
// which a pupil feels as a slow window.
class CInstantButtons : public QObject {
    Q_OBJECT

public:
    CInstantButtons();
    ~CInstantButtons() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
