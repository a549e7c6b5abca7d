// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercise/TypingEdit.h"
#include "exercise/TextCells.h"
#include "platform/ProgramContext.h"

#include "platform/Cp1250.h"
#include "platform/QtText.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QPaintEvent>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <utility>

namespace {

// The text the field draws: the session's lines.
QString Shown(const CExerciseSession& session) {
    return ToQString(session.Typing().Text()).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// A field on screen with the lesson "abc" and "a" typed.
class TypingEditTest : public testing::Test {
protected:
    void SetUp() override {
        m_edit.resize(300, 200);
        m_session.SetLines({"abc"});
        m_edit.ShowSession();
        m_edit.show();
        m_edit.setFocus();
        QTest::keyClick(&m_edit, 'a');
    }

    void ExpectUnchanged() {
        EXPECT_EQ(Shown(m_session), "abc\na");
        EXPECT_EQ(m_session.Typing().CaretLine(), 1);
        EXPECT_EQ(m_session.Typing().Typed(), 1);
        EXPECT_EQ(m_session.Typing().Errors(), 0);
    }

    void SendText(const QString& text) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
        QApplication::sendEvent(&m_edit, &key);
    }

    CExerciseSession m_session{TickSource::SteadyClock()};
    CTypingEdit m_edit{m_session};
};

} // namespace

TEST_F(TypingEditTest, PasteChangesNothing) {
    QApplication::clipboard()->setText("bc");
    QTest::keyClick(&m_edit, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(&m_edit, Qt::Key_Insert, Qt::ShiftModifier);
    QTest::mouseClick(m_edit.viewport(), Qt::MiddleButton);
    ExpectUnchanged();
}

TEST_F(TypingEditTest, MouseAndNavigationChangeNothing) {
    QTest::mouseClick(m_edit.viewport(), Qt::LeftButton, {}, {2, 2});
    QTest::mouseDClick(m_edit.viewport(), Qt::LeftButton, {}, {2, 2});
    QTest::mousePress(m_edit.viewport(), Qt::LeftButton, {}, {2, 2});
    QTest::mouseMove(m_edit.viewport(), {60, 30});
    QTest::mouseRelease(m_edit.viewport(), Qt::LeftButton, {}, {60, 30});
    for (const Qt::Key key : {Qt::Key_Left, Qt::Key_Up, Qt::Key_Home, Qt::Key_End, Qt::Key_PageUp,
                              Qt::Key_Delete, Qt::Key_Insert})
        QTest::keyClick(&m_edit, key);
    QTest::keyClick(&m_edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&m_edit, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(&m_edit, Qt::Key_Left, Qt::ShiftModifier);
    ExpectUnchanged();

    QTest::keyClick(&m_edit, 'b');
    EXPECT_EQ(m_session.Typing().Correct(), 2);
    EXPECT_EQ(Shown(m_session), "abc\nab");
}

TEST_F(TypingEditTest, ChordsWithTheLeftAltKeyTypeNothing) {
    QTest::keyClick(&m_edit, Qt::Key_B, Qt::AltModifier);
    QTest::keyClick(&m_edit, Qt::Key_B, Qt::AltModifier | Qt::ShiftModifier);
    QKeyEvent altWithText(QEvent::KeyPress, Qt::Key_B, Qt::AltModifier, "b");
    QApplication::sendEvent(&m_edit, &altWithText);
    ExpectUnchanged();
}

// Enter and Backspace too: with Ctrl, Meta or the left Alt they neither
// accept a line nor delete.
TEST_F(TypingEditTest, ChordsOfEnterAndBackspaceDoNothing) {
    QTest::keyClick(&m_edit, 'b');
    QTest::keyClick(&m_edit, 'c');
    for (const Qt::KeyboardModifier modifier :
         {Qt::AltModifier, Qt::ControlModifier, Qt::MetaModifier}) {
        QTest::keyClick(&m_edit, Qt::Key_Return, modifier);
        QTest::keyClick(&m_edit, Qt::Key_Enter, modifier);
        QTest::keyClick(&m_edit, Qt::Key_Backspace, modifier);
    }
    EXPECT_EQ(Shown(m_session), "abc\nabc");
    EXPECT_FALSE(m_session.IsFinished());
    QTest::keyClick(&m_edit, Qt::Key_Return);
    EXPECT_TRUE(m_session.IsFinished());
}

TEST_F(TypingEditTest, BackspaceAndEnterStayWithinTheTypingLine) {
    QTest::keyClick(&m_edit, Qt::Key_Backspace);
    QTest::keyClick(&m_edit, Qt::Key_Backspace);
    EXPECT_EQ(Shown(m_session), "abc\n");
    QTest::keyClick(&m_edit, Qt::Key_Return);
    EXPECT_EQ(Shown(m_session), "abc\n");
    EXPECT_EQ(m_session.Typing().Typed(), 0);
}

TEST(TypingEdit, PolishLettersCountAsTheCharactersTheyAre) {
    CExerciseSession session{TickSource::SteadyClock()};
    session.SetLines({Utf8ToCp1250("żąb")});
    CTypingEdit edit(session);
    edit.ShowSession();
    QKeyEvent rightAlt(QEvent::KeyPress, Qt::Key_unknown, Qt::GroupSwitchModifier, "ż");
    QApplication::sendEvent(&edit, &rightAlt);
    QInputMethodEvent composed;
    composed.setCommitString("ą");
    QApplication::sendEvent(&edit, &composed);
    QKeyEvent noCodePage(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, "ж");
    QApplication::sendEvent(&edit, &noCodePage);

    EXPECT_EQ(session.Typing().Correct(), 2);
    EXPECT_EQ(session.Typing().Errors(), 1);
    EXPECT_EQ(Shown(session), "żąb\nżą?");
}

TEST(TypingEdit, TypingLineAndItsModelStayInView) {
    CExerciseSession session{TickSource::SteadyClock()};
    session.SetLines(StringList(60, "x"));
    CTypingEdit edit(session);
    edit.resize(300, 150);
    edit.ShowSession();
    edit.show();
    for (int line = 0; line < 50; ++line) {
        QTest::keyClick(&edit, 'x');
        QTest::keyClick(&edit, Qt::Key_Return);
        const int caretLine = session.Typing().CaretLine();
        const QRect view = edit.viewport()->rect();
        ASSERT_TRUE(view.contains(edit.CaretRect())) << caretLine;
        ASSERT_LE(edit.verticalScrollBar()->value(), caretLine - 1) << caretLine;
    }
    EXPECT_EQ(session.Typing().CaretLine(), 101);
}

TEST(TypingEdit, TheViewFollowsTheCaretAlongALongLineAndBack) {
    CExerciseSession session{TickSource::SteadyClock()};
    session.SetLines({std::string(100, 'a'), "b"});
    CTypingEdit edit(session);
    edit.resize(300, 150);
    edit.ShowSession();
    edit.show();
    for (int column = 0; column < 100; ++column) {
        QTest::keyClick(&edit, 'a');
        ASSERT_TRUE(edit.viewport()->rect().contains(edit.CaretRect())) << column;
    }
    EXPECT_GT(edit.horizontalScrollBar()->value(), 0);
    QTest::keyClick(&edit, Qt::Key_Return);
    EXPECT_EQ(edit.horizontalScrollBar()->value(), 0);
    EXPECT_TRUE(edit.viewport()->rect().contains(edit.CaretRect()));
}

// Tabs reach the next tab stop: a line of a few tabs is shorter than a
// line of letters yet wider on screen. The view scrolls to the end of the
// widest drawn.
TEST(TypingEdit, ScrollsAsFarAsTheWidestDrawnLine) {
    CExerciseSession session{TickSource::SteadyClock()};
    const std::string tabbed = "\t\t\t\tx";
    session.SetLines({std::string(12, 'a'), tabbed});
    CTypingEdit edit(session);
    edit.resize(200, 150);
    edit.show();
    edit.ShowSession();
    const CTextCells cells(edit.font());
    ASSERT_GT(cells.Width(tabbed), cells.Width(std::string(12, 'a')));
    EXPECT_GE(edit.horizontalScrollBar()->maximum() + edit.viewport()->width(),
              cells.Width(tabbed));
}

TEST(TypingEdit, ALongLessonScrollsToItsLastLine) {
    CExerciseSession session{TickSource::SteadyClock()};
    session.SetLines(StringList(20000, "asdf jkl;"));
    CTypingEdit edit(session);
    edit.resize(300, 150);
    edit.ShowSession();
    edit.show();
    QScrollBar& scroll = *edit.verticalScrollBar();
    EXPECT_EQ(scroll.maximum() + scroll.pageStep(), 40000);
    EXPECT_EQ(scroll.value(), 0);
    QTest::keyClicks(&edit, "asd");
    EXPECT_EQ(session.Typing().Correct(), 3);
    EXPECT_TRUE(Shown(session).startsWith(QStringLiteral("asdf jkl;\nasd\nasdf jkl;")));
}

namespace {

// Collects what a widget repaints.
class Repaints : public QObject {
public:
    explicit Repaints(QWidget& widget) { widget.installEventFilter(this); }
    QRegion Take() { return std::exchange(m_region, {}); }
    int Count() const { return m_count; }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            m_region += static_cast<QPaintEvent*>(event)->region();
            ++m_count;
        }
        return false;
    }

private:
    QRegion m_region;
    int m_count = 0;
};

// What the window's pixels on screen show is what it draws afresh.
void ExpectOnScreenAsDrawnAfresh(QWidget& window) {
    const QImage shown = window.screen()->grabWindow(window.winId()).toImage();
    const QImage drawn = window.grab().toImage();
    ASSERT_EQ(shown.size(), drawn.size());
    EXPECT_EQ(shown.convertToFormat(QImage::Format_RGB32),
              drawn.convertToFormat(QImage::Format_RGB32));
}

// A field in a window of its own, shown.
struct FieldInWindow {
    CExerciseSession session{TickSource::SteadyClock()};
    QWidget window;
    CTypingEdit edit{session, {}, &window};

    FieldInWindow(const StringList& lines, QSize size) {
        session.SetLines(lines);
        edit.resize(size);
        window.resize(size);
        edit.ShowSession();
        window.show();
    }
};

int Area(const QRegion& region) {
    int area = 0;
    for (const QRect& rect : region)
        area += rect.width() * rect.height();
    return area;
}

} // namespace

// A key repaints what it changed, never the whole field: with the colours
// on, a wrong character, its Backspace and right ones repaint a few cells
// of the pupil's line, Enter the caret's places on that line and the next,
// and the view's step down one line more.
TEST(TypingEdit, AKeyRepaintsOnlyWhatItChanged) {
    CExerciseSession session{TickSource::SteadyClock()};
    session.SetLines(StringList(40, "ab"));
    CTypingEdit edit(session);
    edit.resize(400, 300);
    edit.ShowSession();
    edit.ShowAids(true);
    edit.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&edit));
    QApplication::processEvents();
    Repaints repaints(*edit.viewport());
    const int width = edit.viewport()->width();
    const int lineHeight = edit.CaretRect().height();
    const auto press = [&](Qt::Key key) {
        QTest::keyClick(&edit, key);
        QApplication::processEvents();
        return repaints.Take();
    };

    const QRect typingLine(0, edit.CaretRect().top(), width, lineHeight);
    const int cell = QFontMetrics(edit.font()).horizontalAdvance(QLatin1Char('M'));
    for (const Qt::Key key : {Qt::Key_X, Qt::Key_Backspace, Qt::Key_A, Qt::Key_B}) {
        const QRegion repainted = press(key);
        EXPECT_FALSE(repainted.isEmpty()) << key;
        EXPECT_TRUE((repainted - typingLine).isEmpty()) << key;
        EXPECT_LE(repainted.boundingRect().width(), 4 * cell) << key;
    }
    EXPECT_EQ(session.Typing().Errors(), 1);
    const QRect nextTypingLine = typingLine.translated(0, 2 * lineHeight);
    EXPECT_TRUE((press(Qt::Key_Return) - typingLine - nextTypingLine).isEmpty());

    for (int line = 1; line < 20; ++line) {
        press(Qt::Key_A);
        press(Qt::Key_B);
        EXPECT_LE(Area(press(Qt::Key_Return)), 3 * lineHeight * width) << line;
    }
    EXPECT_GT(edit.verticalScrollBar()->value(), 0);
}

// What the field shows after many keys, each repainting only a part of it
// and the view moving down with the pupil, is what it draws afresh.
TEST(TypingEdit, WhatAKeyRepaintsMatchesTheWholeField) {
    FieldInWindow field(StringList(40, "abc def"), {300, 200});
    auto& [session, window, edit] = field;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    // Up to the first step down: what it leaves in place must fit what follows.
    for (int line = 0; edit.verticalScrollBar()->value() == 0; ++line) {
        ASSERT_LT(line, 20);
        QTest::keyClicks(&edit, line % 3 == 0 ? "abx" : "abc def");
        QTest::keyClick(&edit, Qt::Key_Backspace);
        QTest::keyClicks(&edit, "c def");
        QTest::keyClick(&edit, Qt::Key_Return);
        QApplication::processEvents();
    }
    edit.clearFocus();
    QTest::qWait(50); // keys that came within a frame are painted at its end
    ExpectOnScreenAsDrawnAfresh(window);
}

// Keys that come faster than the screen shows them (a burst, or keys held
// back by a busy moment) are painted together, at most once a frame, the
// view stepping down in between; what the field shows then is what it
// draws afresh.
TEST(TypingEdit, KeysThatComeTogetherArePaintedTogether) {
    FieldInWindow field(StringList(40, "abc def"), {300, 120});
    auto& [session, window, edit] = field;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(50);
    Repaints repaints(*edit.viewport());
    for (int line = 0; line < 8; ++line) {
        for (const char ch : std::string("abc def"))
            QCoreApplication::postEvent(&edit, new QKeyEvent(QEvent::KeyPress, Qt::Key_A,
                                                             Qt::NoModifier, QString(QChar(ch))));
        QCoreApplication::postEvent(&edit, new QKeyEvent(QEvent::KeyPress, Qt::Key_Return,
                                                         Qt::NoModifier, QStringLiteral("\r")));
    }
    QTest::qWait(50);
    EXPECT_EQ(session.Typing().CaretLine(), 17);
    EXPECT_GT(edit.verticalScrollBar()->value(), 0);
    EXPECT_LE(repaints.Count(), 4) << "64 keys";
    edit.clearFocus();
    QTest::qWait(50);
    ExpectOnScreenAsDrawnAfresh(window);
}

// Along a line longer than the field, the view moves sideways under the
// caret; the cells each key repaints still fit what scrolled in beside them.
TEST(TypingEdit, WhatAKeyRepaintsAlongALongLineMatchesTheWholeField) {
    FieldInWindow field({std::string(30, 'a') + std::string(30, 'b'), "c"}, {200, 150});
    auto& [session, window, edit] = field;
    edit.ShowAids(true);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::keyClicks(&edit, QString(25, 'a') + "xx");
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QTest::keyClicks(&edit, QString(4, 'a') + QString(30, 'b'));
    EXPECT_GT(edit.horizontalScrollBar()->value(), 0);
    QTest::qWait(50);
    ExpectOnScreenAsDrawnAfresh(window);
}
