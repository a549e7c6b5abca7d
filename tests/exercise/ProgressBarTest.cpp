// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercise/ProgressBar.h"

#include <QApplication>
#include <QImage>

#include <gtest/gtest.h>

// The bar paints itself, so any repaint shows the last progress again.
TEST(ProgressBar, PaintsTheFrameAndTheDoneShare) {
    CProgressBar bar;
    bar.resize(82, 10);
    bar.SetPercentage(50);
    const QImage image = bar.grab().toImage();
    const QColor green(0, 100, 0);
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(81, 9), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(1, 1), green);
    EXPECT_EQ(image.pixelColor(39, 8), green);
    EXPECT_NE(image.pixelColor(40, 5), green);

    bar.SetPercentage(100);
    EXPECT_EQ(bar.grab().toImage().pixelColor(80, 5), green);
}

namespace {

class PaintCount : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

} // namespace

// Near the end of a long lesson a key moves the progress by far less than
// a pixel: the bar, and the status box behind it, are painted again only
// when the fill changes.
TEST(ProgressBar, IsPaintedAgainOnlyWhenItsFillChanges) {
    CProgressBar bar;
    bar.resize(82, 10);
    bar.show();
    bar.SetPercentage(50);
    QApplication::processEvents();
    PaintCount count;
    bar.installEventFilter(&count);
    bar.SetPercentage(50.001);
    QApplication::processEvents();
    EXPECT_EQ(count.paints, 0);
    bar.SetPercentage(60);
    QApplication::processEvents();
    EXPECT_EQ(count.paints, 1);
}
