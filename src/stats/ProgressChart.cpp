// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stats/ProgressChart.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

QRect ToQRect(const PixelRect& rect) {
    return {rect.left, rect.top, rect.Width(), rect.Height()};
}

} // namespace

CProgressChart::CProgressChart(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
}

void CProgressChart::ShowRuns(const ShownRuns& runs, double bestSpeed) {
    m_bars = ComputeChartBars(width(), height(), runs, bestSpeed);
    m_fills = ChartFills(m_bars, width());
    update();
}

void CProgressChart::Clear() {
    m_bars.clear();
    m_fills.clear();
    update();
}

void CProgressChart::paintEvent(QPaintEvent*) {
    if (m_bars.empty())
        return;
    QPainter painter(this);
    painter.fillRect(rect(), kChartBackground);
    painter.setPen(kChartFrame);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    for (const ChartFill& fill : m_fills)
        painter.fillRect(ToQRect(fill.rect), fill.errors ? kErrorBarColour : kSpeedBarColour);
}

void CProgressChart::mouseMoveEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    // Where bars overlap, the later run is the one on top.
    for (size_t i = m_bars.size(); i-- > 0;) {
        if (m_bars[i].hover.Contains(point.x(), point.y())) {
            emit barHovered(static_cast<int>(i));
            break;
        }
    }
    QWidget::mouseMoveEvent(event);
}
