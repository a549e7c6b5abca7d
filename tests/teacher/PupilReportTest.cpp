// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ProgramContext.h"
#include "teacher/PupilReportDlg.h"
#include "teacher/PupilReportPage.h"

#include "ProgramFolderTest.h"
#include "platform/Cp1250.h"
#include "pupils/PupilFolders.h"
#include "pupils/PupilStats.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>

#include "MadeRun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <regex>

namespace {

// A page that keeps what is painted on it, in the page's units: each text
// with its box, and the box around everything.
class RecordedPage : public QPaintDevice {
public:
    struct Text {
        QString text;
        QRectF box;
    };

    const std::vector<Text>& Texts() const { return m_engine.texts; }
    const QRectF& Drawn() const { return m_engine.drawn; }
    // The first text that starts with start, or nothing.
    std::optional<Text> Find(const QString& start) const {
        for (const Text& text : Texts())
            if (text.text.startsWith(start))
                return text;
        return std::nullopt;
    }

    QPaintEngine* paintEngine() const override { return &m_engine; }

protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
        case PdmWidth:
            return CPupilReportPage::kWidth;
        case PdmHeight:
            return CPupilReportPage::kHeight;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(devicePixelRatioFScale());
        default:
            return 96; // the resolutions; nothing else is asked of a page
        }
    }

private:
    // Takes every primitive untransformed, with the painter's transform.
    class Engine : public QPaintEngine {
    public:
        Engine() : QPaintEngine(AllFeatures) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        Type type() const override { return User; }
        void updateState(const QPaintEngineState& state) override {
            if (state.state() & DirtyTransform)
                m_transform = state.transform();
        }
        void drawPath(const QPainterPath& path) override { Keep(path.boundingRect()); }
        void drawPolygon(const QPointF* points, int count, PolygonDrawMode) override {
            Keep(QPolygonF(QList<QPointF>(points, points + count)).boundingRect());
        }
        void drawPixmap(const QRectF& rect, const QPixmap&, const QRectF&) override { Keep(rect); }
        void drawImage(const QRectF& rect, const QImage&, const QRectF&,
                       Qt::ImageConversionFlags) override {
            Keep(rect);
        }
        void drawTextItem(const QPointF& at, const QTextItem& item) override {
            const QRectF box = QFontMetricsF(item.font()).boundingRect(item.text()).translated(at);
            texts.push_back({item.text(), m_transform.mapRect(box)});
            Keep(box);
        }

        std::vector<Text> texts;
        QRectF drawn;

    private:
        void Keep(const QRectF& box) { drawn |= m_transform.mapRect(box); }

        QTransform m_transform;
    };

    mutable Engine m_engine;
};

// A report of the given number of lessons, each run once, with mistakes.
PupilReport ReportOfLessons(int lessons) {
    PupilReport report;
    report.pupil = "Ala";
    report.runs = lessons;
    for (int lesson = 1; lesson <= lessons; ++lesson) {
        report.lessons.push_back({QStringLiteral("Lekcja %1").arg(lesson).toStdString(), 1, 0,
                                  120.0, 120.0, 2.0, 4, true});
        report.speeds.push_back(
            {COleDateTime::FromDateTime(2026, 9, 1 + lesson % 28, 10), 100.0 + lesson});
    }
    // Counts of years of typing: the line holds only the first few.
    const std::string often = Utf8ToCp1250("żaq,Px1-mo");
    for (size_t i = 0; i < often.size(); ++i)
        report.mistyped.push_back({often[i], 12345 - 1000 * static_cast<int>(i)});
    return report;
}

const QRectF kPage(0, 0, CPupilReportPage::kWidth, CPupilReportPage::kHeight);

// A document's pages, counted in a PDF file as QPdfWriter writes it.
int PagesOfPdf(const std::string& pdf) {
    const std::regex page("/Type /Page[^s]");
    return static_cast<int>(
        std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), std::sregex_iterator()));
}

} // namespace

// The lesson table runs on to the next page; the chart, the mistyped and
// weak keys' lines and the keyboard follow it on one page, and nothing is
// drawn beyond a page's edge.
TEST(PupilReportPage, ALongReportRunsOnToMorePagesAndNothingFallsOff) {
    for (const int lessons : {0, 23, 24, 45, 48, 49, 100}) {
        SCOPED_TRACE(lessons);
        const CPupilReportPage report(ReportOfLessons(lessons));
        std::vector<int> pageOfLesson(lessons + 1, -1);
        int chartsPage = -1;
        for (int page = 0; page < report.PageCount(); ++page) {
            SCOPED_TRACE(page);
            RecordedPage recorded;
            QPainter painter(&recorded);
            report.Paint(painter, page, CPupilReportPage::kWidth);
            painter.end();
            EXPECT_TRUE(kPage.contains(recorded.Drawn())) << recorded.Drawn().bottom();
            for (const RecordedPage::Text& text : recorded.Texts()) {
                EXPECT_TRUE(kPage.contains(text.box)) << text.text.toStdString();
                if (text.text.startsWith(QStringLiteral("Lekcja ")))
                    pageOfLesson[text.text.mid(7).toInt()] = page;
            }
            const auto chart = recorded.Find(QStringLiteral("Prędkość"));
            const auto mistyped =
                recorded.Find(QStringLiteral("Najczęściej mylone znaki: ż (12345)"));
            const auto weak = recorded.Find(QStringLiteral("Trudne klawisze teraz"));
            const auto space = recorded.Find(QStringLiteral("Spacja"));
            if (!chart)
                continue;
            EXPECT_EQ(chartsPage, -1);
            chartsPage = page;
            ASSERT_TRUE(mistyped && weak && space);
            EXPECT_LT(chart->box.bottom(), mistyped->box.top());
            EXPECT_LT(mistyped->box.bottom(), weak->box.top());
            EXPECT_LT(weak->box.bottom(), space->box.top());
        }
        EXPECT_EQ(std::count(pageOfLesson.begin() + 1, pageOfLesson.end(), -1), 0);
        EXPECT_TRUE(std::is_sorted(pageOfLesson.begin() + 1, pageOfLesson.end()));
        EXPECT_EQ(chartsPage, report.PageCount() - 1);
    }
    EXPECT_EQ(CPupilReportPage(ReportOfLessons(23)).PageCount(), 1);
    EXPECT_EQ(CPupilReportPage(ReportOfLessons(45)).PageCount(), 2);
}

// Runs ended early are counted beside the runs without running into the
// next column, and a lesson only ended early says so in place of a grade.
TEST(PupilReportPage, RunsEndedEarlyStayInTheirColumn) {
    PupilReport report = ReportOfLessons(2);
    report.lessons[0].runs = 128;
    report.lessons[0].endedEarly = 127;
    report.lessons[1] = {"Lekcja 2", 2, 2, 300.0, 250.0, 0.0, 0, false, true};
    const CPupilReportPage page(report);
    RecordedPage recorded;
    QPainter painter(&recorded);
    page.Paint(painter, 0, CPupilReportPage::kWidth);
    painter.end();
    const auto runs = recorded.Find(QStringLiteral("128 (127 przerwane)"));
    const auto best = recorded.Find(QStringLiteral("120"));
    ASSERT_TRUE(runs && best);
    EXPECT_LT(runs->box.right(), best->box.left());
    EXPECT_TRUE(recorded.Find(QStringLiteral("przerwane")).has_value());
    const auto only = recorded.Find(QStringLiteral("2 (2 przerwane)"));
    ASSERT_TRUE(only.has_value());
    bool gradeSaysEndedEarly = false;
    for (const RecordedPage::Text& text : recorded.Texts())
        gradeSaysEndedEarly |= text.text == QStringLiteral("przerwane") &&
                               std::abs(text.box.center().y() - only->box.center().y()) < 2;
    EXPECT_TRUE(gradeSaysEndedEarly);
}

using PupilReportDlgTest = ProgramFolderTest;

// The keyboard goes to the file in lines and letters, not as a picture.
TEST_F(PupilReportDlgTest, SavesASmallPdfOfItsPages) {
    CPupilStats stats;
    stats.push_back(RunOf("01 abc", 200, 2, COleDateTime::FromDateTime(2026, 11, 2, 10)));
    stats.push_back(RunOf("01 abc", 220, 1, COleDateTime::FromDateTime(2026, 11, 3, 10)));
    stats.m_charErrors = {{Utf8ToCp1250("ż")[0], 5}, {'a', 2}};
    std::filesystem::create_directories(GetPupilFolder(Pupils(), "Ala"));
    stats.Save(GetStatFilePath(Pupils(), "Ala"));

    const std::string pdf = m_program / "Ala.pdf";
    CPupilReportDlg twoLessons(Pupils(), "Ala", {"01 abc", "02 def"});
    ASSERT_TRUE(twoLessons.SavePdf(QString::fromStdString(pdf)));
    EXPECT_EQ(PagesOfPdf(ReadFile(pdf)), 1);
    EXPECT_LT(std::filesystem::file_size(pdf), 200u * 1024);

    std::vector<std::string> lessons;
    for (int lesson = 1; lesson <= 45; ++lesson)
        lessons.push_back("Lekcja " + std::to_string(lesson));
    CPupilReportDlg manyLessons(Pupils(), "Ala", lessons);
    ASSERT_TRUE(manyLessons.SavePdf(QString::fromStdString(pdf)));
    EXPECT_EQ(PagesOfPdf(ReadFile(pdf)), 2);
    EXPECT_LT(std::filesystem::file_size(pdf), 2 * 200u * 1024);
}
