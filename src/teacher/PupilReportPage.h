#pragma once

#include "teacher/PupilReport.h"

#include <QWidget>

#include <memory>

class CKeyboardView;
class QPainter;

// One page of a pupil's report: the summary per lesson, the speed of every
// run over time, and the most mistyped characters on the keyboard. The same
// drawing goes to the screen, a printer and a PDF file.
class CPupilReportPage : public QWidget {
public:
    // The page's size in its own units; a printer scales it to the paper.
    static constexpr int kWidth = 800;
    static constexpr int kHeight = 1130;

    explicit CPupilReportPage(PupilReport report, QWidget* parent = nullptr);
    ~CPupilReportPage() override;

    // Draws the page into the painter's device, scaled to fill width pixels.
    void Paint(QPainter& painter, int width);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int PaintLessons(QPainter& painter, int top) const;
    int PaintSpeeds(QPainter& painter, int top) const;
    void PaintMistyped(QPainter& painter, int top);

    PupilReport m_report;
    std::unique_ptr<CKeyboardView> m_keyboard;
};
