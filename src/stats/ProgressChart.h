// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "stats/ChartGeometry.h"

#include <QColor>
#include <QWidget>

#include <vector>

inline const QColor kChartBackground{255, 255, 255};
inline const QColor kChartFrame{0, 0, 0};
inline const QColor kSpeedBarColour{20, 190, 0};
inline const QColor kErrorBarColour{255, 20, 0};

// The bar chart of the statistics window: one green speed bar and one red
// error bar per run, oldest at the left, framed on white. It paints itself
// from the bars it was last given, so it survives every repaint, and reports
// the bar under the mouse.
class CProgressChart : public QWidget {
    Q_OBJECT

public:
    explicit CProgressChart(QWidget* parent = nullptr);

    // Draws the runs from now on; the best speed fills the height.
    void ShowRuns(const ShownRuns& runs, double bestSpeed);
    // Leaves the area empty: no frame, no bars, nothing to hover.
    void Clear();

    const std::vector<ChartBar>& Bars() const { return m_bars; }

signals:
    // The mouse is over the bar of run number index.
    void barHovered(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    std::vector<ChartBar> m_bars;
    std::vector<ChartFill> m_fills;
};
