// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "teacher/PupilReportPage.h"

#include "exercise/KeyboardPainter.h"
#include "exercise/LessonMark.h"
#include "platform/Format.h"
#include "platform/QtText.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

constexpr int kMargin = 40;
constexpr int kBottom = CPupilReportPage::kHeight - kMargin;
constexpr int kPageGap = 20; // between the pages on screen
constexpr int kRowHeight = 20;
constexpr int kSectionGap = 20; // between the table, the chart and the lines under it
constexpr int kRowDescent = 6;
// The baseline of the lesson table's heading on the first page, below the
// title, and on the pages it continues on.
constexpr int kFirstTableTop = kMargin + 70;
constexpr int kTableTop = kMargin + 20;
constexpr int kChartHeight = 220;
constexpr int kMistypedHeight = 44;
constexpr int kKeyboardHeight = 200;
// The speed chart, the mistyped and weak keys' lines and the keyboard.
constexpr int kChartsHeight = kChartHeight + kSectionGap + kMistypedHeight + kKeyboardHeight;
constexpr int kMostMistypedShown = 10;
const QColor kText{20, 20, 100};
const QColor kGrid{200, 200, 215};
const QColor kSpeedLine{0, 130, 60};

// The lesson table's columns: where each starts, and its heading.
struct Column {
    int left;
    const char* heading;
};
const Column kColumns[] = {
    {0, "Lekcja"},    {230, "Podejścia"}, {370, "Najlepsza"},
    {450, "Średnia"}, {530, "Błędy (%)"}, {610, "Ocena"},
};

QString Number(double value) {
    return QString::fromStdString(FormatDecimalComma(value, 1));
}

} // namespace

CPupilReportPage::CPupilReportPage(PupilReport report, QWidget* parent)
    : QWidget(parent), m_report(std::move(report)),
      // Recent error rates show what troubles the pupil now; the counts of
      // all time stand in for a pupil not measured yet.
      m_heat(KeyHeat(m_report.recentErrors.empty() ? m_report.mistyped : m_report.recentErrors)),
      m_pages(LayOut(static_cast<int>(m_report.lessons.size()))) {
    setFixedSize(kWidth, PageCount() * (kHeight + kPageGap) - kPageGap);
}

// The table's rows fill each page down to its bottom margin; the charts
// follow the last row when they fit below it, or start a page of their own.
std::vector<CPupilReportPage::Page> CPupilReportPage::LayOut(int lessons) {
    std::vector<Page> pages;
    int top = kFirstTableTop;
    do {
        const int fit = (kBottom - kRowDescent - top) / kRowHeight;
        const int first = pages.empty() ? 0 : pages.back().firstLesson + pages.back().lessons;
        pages.push_back({first, std::min(fit, lessons - first)});
        top = kTableTop;
    } while (pages.back().firstLesson + pages.back().lessons < lessons);
    Page& last = pages.back();
    const int tableEnd =
        (pages.size() == 1 ? kFirstTableTop : kTableTop) + last.lessons * kRowHeight + kSectionGap;
    if (tableEnd + kChartsHeight <= kBottom)
        last.chartsTop = tableEnd;
    else
        pages.push_back({lessons, 0, kMargin});
    return pages;
}

void CPupilReportPage::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().color(QPalette::Dark));
    for (int page = 0; page < PageCount(); ++page) {
        const QRect area(0, page * (kHeight + kPageGap), kWidth, kHeight);
        if (!event->rect().intersects(area))
            continue;
        painter.save();
        painter.translate(area.topLeft());
        Paint(painter, page, kWidth);
        painter.restore();
    }
}

void CPupilReportPage::Paint(QPainter& painter, int page, int width) const {
    painter.save();
    painter.scale(static_cast<double>(width) / kWidth, static_cast<double>(width) / kWidth);
    painter.fillRect(QRect(0, 0, kWidth, kHeight), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintHeader(painter, page);
    const Page& laidOut = m_pages[page];
    if (laidOut.lessons > 0 || page == 0)
        PaintLessons(painter, laidOut, page == 0 ? kFirstTableTop : kTableTop);
    if (laidOut.chartsTop >= 0)
        PaintMistyped(painter, PaintSpeeds(painter, laidOut.chartsTop) + kSectionGap);
    painter.restore();
}

// The title and the count of runs on the first page; the pupil's name and
// the page's number at the foot of every page of a longer report. Leaves
// the body's font set.
void CPupilReportPage::PaintHeader(QPainter& painter, int page) const {
    painter.setPen(kText);
    QFont body = font();
    body.setPixelSize(13);
    painter.setFont(body);
    if (page == 0) {
        QFont title = body;
        title.setPixelSize(24);
        title.setBold(true);
        painter.save();
        painter.setFont(title);
        painter.drawText(kMargin, kMargin + 20,
                         QStringLiteral("Raport ucznia: ") + ToQString(m_report.pupil));
        painter.restore();
        painter.drawText(kMargin, kMargin + 44,
                         QStringLiteral("Wszystkich podejść: %1. Prędkości w znakach na minutę.")
                             .arg(m_report.runs));
    }
    if (PageCount() > 1)
        painter.drawText(QRect(kMargin, kBottom + 8, kWidth - 2 * kMargin, 20), Qt::AlignRight,
                         QStringLiteral("%1, strona %2 z %3")
                             .arg(ToQString(m_report.pupil))
                             .arg(page + 1)
                             .arg(PageCount()));
}

void CPupilReportPage::PaintLessons(QPainter& painter, const Page& page, int top) const {
    QFont bold = painter.font();
    bold.setBold(true);
    painter.save();
    painter.setFont(bold);
    for (const Column& column : kColumns)
        painter.drawText(kMargin + column.left, top, QString::fromUtf8(column.heading));
    painter.restore();
    painter.setPen(kGrid);
    painter.drawLine(kMargin, top + 5, kWidth - kMargin, top + 5);
    for (int row = page.firstLesson; row < page.firstLesson + page.lessons; ++row) {
        const LessonReport& lesson = m_report.lessons[row];
        top += kRowHeight;
        painter.setPen(kText);
        const int width = kColumns[1].left - 10;
        painter.drawText(
            kMargin, top,
            painter.fontMetrics().elidedText(ToQString(lesson.lesson), Qt::ElideRight, width));
        if (lesson.runs == 0) {
            painter.drawText(kMargin + kColumns[1].left, top, QStringLiteral("–"));
            continue;
        }
        painter.drawText(kMargin + kColumns[1].left, top,
                         QString::number(lesson.runs) +
                             (lesson.endedEarly
                                  ? QStringLiteral(" (%1 przerwane)").arg(lesson.endedEarly)
                                  : QString()));
        painter.drawText(kMargin + kColumns[2].left, top, Number(lesson.bestSpeed));
        painter.drawText(kMargin + kColumns[3].left, top, Number(lesson.averageSpeed));
        painter.drawText(kMargin + kColumns[4].left, top, Number(lesson.averageErrorPercent));
        const LessonMark mark = MarkForBestGrade(lesson.bestGrade, lesson.onlyEndedEarly);
        painter.setPen(QColor(mark.red, mark.green, mark.blue));
        painter.drawText(kMargin + kColumns[5].left, top,
                         lesson.onlyEndedEarly ? QStringLiteral("przerwane")
                         : lesson.passed
                             ? QString::number(lesson.bestGrade) + QStringLiteral(" zaliczona")
                             : QString::number(lesson.bestGrade) + QStringLiteral(" nie zaliczona"));
    }
}

int CPupilReportPage::PaintSpeeds(QPainter& painter, int top) const {
    painter.setPen(kText);
    painter.drawText(kMargin, top + 14,
                     QStringLiteral("Prędkość (znaków na minutę) kolejnych podejść"));
    const QRect chart(kMargin + 40, top + 24, kWidth - 2 * kMargin - 40, kChartHeight - 40);
    painter.setPen(kGrid);
    painter.drawRect(chart);
    const std::vector<SpeedPoint>& speeds = m_report.speeds;
    if (speeds.empty())
        return top + kChartHeight;
    const double most =
        std::max(1.0, std::max_element(speeds.begin(), speeds.end(), [](auto& a, auto& b) {
                          return a.charsPerMinute < b.charsPerMinute;
                      })->charsPerMinute);
    painter.setPen(kText);
    painter.drawText(QRect(kMargin, chart.top() - 6, 36, 14), Qt::AlignRight, Number(most));
    painter.drawText(QRect(kMargin, chart.bottom() - 8, 36, 14), Qt::AlignRight,
                     QStringLiteral("0"));
    painter.drawText(chart.left(), chart.bottom() + 16,
                     ToQString(speeds.front().date.FormatDayMonthYear()));
    painter.drawText(QRect(chart.right() - 100, chart.bottom() + 4, 100, 16), Qt::AlignRight,
                     ToQString(speeds.back().date.FormatDayMonthYear()));
    QPainterPath line;
    const double step =
        speeds.size() > 1 ? static_cast<double>(chart.width()) / (speeds.size() - 1) : 0;
    for (size_t i = 0; i < speeds.size(); ++i) {
        const QPointF point(chart.left() + step * static_cast<double>(i),
                            chart.bottom() - chart.height() * speeds[i].charsPerMinute / most);
        if (i == 0)
            line.moveTo(point);
        else
            line.lineTo(point);
    }
    painter.setPen(QPen(kSpeedLine, 2));
    painter.drawPath(line);
    return top + kChartHeight;
}

// The most mistyped characters, as many as the line holds, the weak keys,
// and the keyboard's heat map.
void CPupilReportPage::PaintMistyped(QPainter& painter, int top) const {
    painter.setPen(kText);
    const int width = kWidth - 2 * kMargin;
    QString most = QStringLiteral("Najczęściej mylone znaki: ");
    const int shown = std::min<int>(kMostMistypedShown, static_cast<int>(m_report.mistyped.size()));
    for (int i = 0; i < shown; ++i) {
        const QString longer = most + (i ? QStringLiteral(", ") : QString()) +
                               ToQString(std::string(1, m_report.mistyped[i].ch)) +
                               QStringLiteral(" (%1)").arg(m_report.mistyped[i].count);
        if (painter.fontMetrics().horizontalAdvance(longer) > width)
            break;
        most = longer;
    }
    if (shown == 0)
        most += QStringLiteral("brak błędów");
    painter.drawText(kMargin, top + 14, most);
    const QString weak =
        QStringLiteral("Trudne klawisze teraz: ") +
        (m_report.weakKeys.empty() ? QStringLiteral("brak")
                                   : QString::fromStdString(m_report.weakKeys)) +
        (m_report.recentErrors.empty() ? QString()
                                       : QStringLiteral(" (mapa klawiatury: ostatnie błędy)"));
    painter.drawText(kMargin, top + 30,
                     painter.fontMetrics().elidedText(weak, Qt::ElideRight, width));
    PaintKeyboard(painter, QRect(kMargin, top + kMistypedHeight, width, kKeyboardHeight),
                  {.heat = m_heat});
}
