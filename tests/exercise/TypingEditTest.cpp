#include "exercise/TypingEdit.h"
#include "platform/ProgramContext.h"

#include "platform/Cp1250.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

#include <gtest/gtest.h>

namespace {

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
        EXPECT_EQ(m_edit.toPlainText(), "abc\na");
        EXPECT_EQ(m_edit.textCursor().position(), 5);
        EXPECT_FALSE(m_edit.textCursor().hasSelection());
        EXPECT_EQ(m_session.Typing().Typed(), 1);
        EXPECT_EQ(m_session.Typing().Errors(), 0);
    }

    void SendText(const QString& text) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
        QApplication::sendEvent(&m_edit, &key);
    }

    CExerciseSession m_session{CProgramContext::Current().clock};
    CTypingEdit m_edit{m_session};
};

} // namespace

TEST_F(TypingEditTest, PasteChangesNothing) {
    QApplication::clipboard()->setText("bc");
    QTest::keyClick(&m_edit, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(&m_edit, Qt::Key_Insert, Qt::ShiftModifier);
    m_edit.paste(); // through insertFromMimeData, as a context menu would
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
    EXPECT_EQ(m_edit.toPlainText(), "abc\nab");
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
    EXPECT_EQ(m_edit.toPlainText(), "abc\nabc");
    EXPECT_FALSE(m_session.IsFinished());
    QTest::keyClick(&m_edit, Qt::Key_Return);
    EXPECT_TRUE(m_session.IsFinished());
}

TEST_F(TypingEditTest, BackspaceAndEnterStayWithinTheTypingLine) {
    QTest::keyClick(&m_edit, Qt::Key_Backspace);
    QTest::keyClick(&m_edit, Qt::Key_Backspace);
    EXPECT_EQ(m_edit.toPlainText(), "abc\n");
    QTest::keyClick(&m_edit, Qt::Key_Return);
    EXPECT_EQ(m_edit.toPlainText(), "abc\n");
    EXPECT_EQ(m_session.Typing().Typed(), 0);
}

TEST(TypingEdit, PolishLettersCountAsTheCharactersTheyAre) {
    CExerciseSession session{CProgramContext::Current().clock};
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
    EXPECT_EQ(edit.toPlainText(), "żąb\nżą?");
}

TEST(TypingEdit, TypingLineAndItsModelStayInView) {
    CExerciseSession session{CProgramContext::Current().clock};
    session.SetLines(StringList(60, "x"));
    CTypingEdit edit(session);
    edit.resize(300, 150);
    edit.ShowSession();
    edit.show();
    for (int line = 0; line < 50; ++line) {
        QTest::keyClick(&edit, 'x');
        QTest::keyClick(&edit, Qt::Key_Return);
        const int caretLine = edit.textCursor().blockNumber();
        const QRect view = edit.viewport()->rect();
        ASSERT_TRUE(view.contains(edit.cursorRect())) << caretLine;
        ASSERT_LE(edit.verticalScrollBar()->value(), caretLine - 1) << caretLine;
    }
    EXPECT_EQ(edit.textCursor().blockNumber(), 101);
}

TEST(TypingEdit, ALongLessonOpensWithItsFirstLinesAndTheRestFollow) {
    CExerciseSession session{CProgramContext::Current().clock};
    session.SetLines(StringList(20000, "asdf jkl;"));
    CTypingEdit edit(session);
    edit.ShowSession();
    EXPECT_LT(edit.document()->blockCount(), 1000);
    edit.show();
    edit.setFocus();
    QTest::keyClicks(&edit, "asd");
    while (edit.document()->blockCount() < session.Typing().LineCount())
        QApplication::processEvents();
    QString expected = QString::fromStdString(session.Typing().Text());
    expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    EXPECT_EQ(edit.toPlainText(), expected);
    EXPECT_EQ(session.Typing().Correct(), 3);
    EXPECT_TRUE(edit.toPlainText().startsWith(QStringLiteral("asdf jkl;\nasd\nasdf jkl;")));
}
