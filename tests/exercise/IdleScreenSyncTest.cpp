// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercise/IdleScreenSync.h"

#include <QLabel>
#include <QPaintEvent>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

// Counts the paints of the window's top left pixel alone.
class SpotPaints : public QObject {
public:
    explicit SpotPaints(QWidget& window) { window.installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint &&
            static_cast<QPaintEvent*>(event)->region() == QRegion(0, 0, 1, 1))
            ++count;
        return false;
    }
};

} // namespace

// Once the window has been painted and stays quiet, its margin pixel is
// repainted once, and that repaint does not call for another.
TEST(IdleScreenSync, AQuietWindowRepaintsItsSpotOnceAfterAPaint) {
    QWidget window;
    auto* label = new QLabel(QStringLiteral("a"));
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(label);
    new CIdleScreenSync(window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(50);
    SpotPaints spot(window);

    label->setText(QStringLiteral("b"));
    QTest::qWait(50);
    EXPECT_EQ(spot.count, 1);
    QTest::qWait(100);
    EXPECT_EQ(spot.count, 1);
}
