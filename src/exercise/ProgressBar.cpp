// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercise/ProgressBar.h"

#include "exercise/ExerciseStatus.h"

#include <QPainter>

namespace {

const QColor kFrameColour{0, 0, 0};
const QColor kFillColour{0, 100, 0};

} // namespace

CProgressBar::CProgressBar(QWidget* parent) : QWidget(parent) {
    setMinimumHeight(kProgressFrameHeight);
}

// Only a fill that changes by a pixel is drawn again: near the end of a
// long lesson most keys move it by far less, and the bar's repaint is the
// status box's.
void CProgressBar::SetPercentage(double percentage) {
    const int filledBefore = ProgressFillOf(width(), m_percentage).width;
    m_percentage = percentage;
    if (ProgressFillOf(width(), percentage).width != filledBefore)
        update();
}

void CProgressBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(kFrameColour);
    painter.drawRect(0, 0, width() - 1, kProgressFrameHeight - 1);
    const ProgressFill fill = ProgressFillOf(width(), m_percentage);
    painter.fillRect(fill.x, fill.y, fill.width, fill.height, kFillColour);
}
