// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "teacher/PupilReport.h"

#include <QWidget>

#include <vector>

class QPainter;

// A pupil's report in pages: the summary per lesson, continued on as many
// pages as it needs, then, never cut, the speed of every run over time, the
// most mistyped characters and the weak keys, and the keyboard as a heat
// map. The same drawing goes to the screen (the pages one under another), a
// printer and a PDF file.
class CPupilReportPage : public QWidget {
    Q_OBJECT

public:
    // A page's size in its own units; a printer scales it to the paper.
    static constexpr int kWidth = 800;
    static constexpr int kHeight = 1130;

    explicit CPupilReportPage(PupilReport report, QWidget* parent = nullptr);

    int PageCount() const { return static_cast<int>(m_pages.size()); }
    // Draws one page from the painter's origin, scaled to fill width pixels.
    void Paint(QPainter& painter, int page, int width) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // What one page holds: a run of the lesson table's rows, and the charts
    // when they start on it.
    struct Page {
        int firstLesson = 0;
        int lessons = 0;
        int chartsTop = -1; // -1 when the charts are on another page
    };
    static std::vector<Page> LayOut(int lessons);

    void PaintHeader(QPainter& painter, int page) const;
    void PaintLessons(QPainter& painter, const Page& page, int top) const;
    int PaintSpeeds(QPainter& painter, int top) const;
    void PaintMistyped(QPainter& painter, int top) const;

    PupilReport m_report;
    std::vector<double> m_heat;
    std::vector<Page> m_pages;
};
