// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

// How much of the lesson is typed: a black frame filled in dark green.
// It paints itself from the last percentage it was given, so a repaint of the
// window never wipes it.
class CProgressBar : public QWidget {
    Q_OBJECT

public:
    explicit CProgressBar(QWidget* parent = nullptr);

    void SetPercentage(double percentage);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double m_percentage = 0;
};
