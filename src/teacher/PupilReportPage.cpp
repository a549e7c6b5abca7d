#include "teacher/PupilReportPage.h"

#include "exercise/KeyboardView.h"
#include "exercise/LessonMark.h"
#include "platform/Format.h"
#include "platform/QtText.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

constexpr int kMargin = 40;
constexpr int kRowHeight = 20;
constexpr int kChartHeight = 220;
constexpr int kKeyboardHeight = 200;
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
    {0, "Lekcja"},    {290, "Podejścia"}, {370, "Najlepsza"},
    {450, "Średnia"}, {530, "Błędy (%)"}, {610, "Ocena"},
};

QString Number(double value) {
    return QString::fromStdString(FormatDecimalComma(value, 1));
}

} // namespace

CPupilReportPage::CPupilReportPage(PupilReport report, QWidget* parent)
    : QWidget(parent), m_report(std::move(report)), m_keyboard(std::make_unique<CKeyboardView>()) {
    m_keyboard->resize(kWidth - 2 * kMargin, kKeyboardHeight);
    // Recent error rates show what troubles the pupil now; the counts of all
    // time stand in for a pupil not measured yet.
    m_keyboard->ShowHeat(m_report.recentErrors.empty() ? m_report.mistyped : m_report.recentErrors);
    setFixedSize(kWidth, kHeight);
}

CPupilReportPage::~CPupilReportPage() = default;

void CPupilReportPage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Paint(painter, width());
}

void CPupilReportPage::Paint(QPainter& painter, int width) {
    painter.save();
    painter.scale(static_cast<double>(width) / kWidth, static_cast<double>(width) / kWidth);
    painter.fillRect(QRect(0, 0, kWidth, kHeight), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(kText);
    QFont title = font();
    title.setPixelSize(24);
    title.setBold(true);
    painter.setFont(title);
    painter.drawText(kMargin, kMargin + 20,
                     QStringLiteral("Raport ucznia: ") + ToQString(m_report.pupil));
    QFont body = font();
    body.setPixelSize(13);
    painter.setFont(body);
    painter.drawText(kMargin, kMargin + 44,
                     QStringLiteral("Wszystkich podejść: %1. Prędkości w znakach na minutę.")
                         .arg(m_report.runs));
    int top = PaintLessons(painter, kMargin + 70);
    top = PaintSpeeds(painter, top + 20);
    PaintMistyped(painter, top + 20);
    painter.restore();
}

int CPupilReportPage::PaintLessons(QPainter& painter, int top) const {
    QFont bold = painter.font();
    bold.setBold(true);
    painter.save();
    painter.setFont(bold);
    for (const Column& column : kColumns)
        painter.drawText(kMargin + column.left, top, QString::fromUtf8(column.heading));
    painter.restore();
    painter.setPen(kGrid);
    painter.drawLine(kMargin, top + 5, kWidth - kMargin, top + 5);
    for (const LessonReport& lesson : m_report.lessons) {
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
        const LessonMark mark = MarkForBestGrade(lesson.bestGrade);
        painter.setPen(QColor(mark.red, mark.green, mark.blue));
        painter.drawText(
            kMargin + kColumns[5].left, top,
            QString::number(lesson.bestGrade) +
                (lesson.passed ? QStringLiteral(" zaliczona") : QStringLiteral(" nie zaliczona")));
    }
    return top;
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

void CPupilReportPage::PaintMistyped(QPainter& painter, int top) {
    painter.setPen(kText);
    QString most = QStringLiteral("Najczęściej mylone znaki: ");
    const int shown = std::min<int>(kMostMistypedShown, static_cast<int>(m_report.mistyped.size()));
    for (int i = 0; i < shown; ++i)
        most += (i ? QStringLiteral(", ") : QString()) +
                ToQString(std::string(1, m_report.mistyped[i].ch)) +
                QStringLiteral(" (%1)").arg(m_report.mistyped[i].count);
    if (shown == 0)
        most += QStringLiteral("brak błędów");
    painter.drawText(kMargin, top + 14, most);
    painter.drawText(kMargin, top + 30,
                     QStringLiteral("Trudne klawisze teraz: ") +
                         (m_report.weakKeys.empty() ? QStringLiteral("brak")
                                                    : QString::fromStdString(m_report.weakKeys)) +
                         (m_report.recentErrors.empty()
                              ? QString()
                              : QStringLiteral(" (mapa klawiatury: ostatnie błędy)")));
    painter.save();
    painter.translate(kMargin, top + 44);
    m_keyboard->render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    painter.restore();
}
