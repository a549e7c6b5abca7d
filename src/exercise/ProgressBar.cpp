// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercise/ProgressBar.h"

#include "exercise/ExerciseStatus.h"

#include <QPainter>

#include <cmath>

namespace {

const QColor kFrameColour{0, 0, 0};
const QColor kFillColour{0, 100, 0};

} // namespace

CProgressBar::CProgressBar(QWidget* parent) : QWidget(parent) {
    setMinimumHeight(kProgressFrameHeight);
}

void CProgressBar::SetPercentage(double percentage) {
    const bool same =
        percentage == m_percentage || (std::isnan(percentage) && std::isnan(m_percentage));
    m_percentage = percentage;
    if (!same)
        update();
}

void CProgressBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(kFrameColour);
    painter.drawRect(0, 0, width() - 1, kProgressFrameHeight - 1);
    const ProgressFill fill = ProgressFillOf(width(), m_percentage);
    painter.fillRect(fill.x, fill.y, fill.width, fill.height, kFillColour);
}
