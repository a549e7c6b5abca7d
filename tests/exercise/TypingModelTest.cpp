// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercise/TypingModel.h"

#include "platform/Cp1250.h"

#include <gtest/gtest.h>

namespace {

using Edit = TypingStep::Edit;

CTypingModel ModelOf(const StringList& lines) {
    CTypingModel model;
    model.SetModelText(lines);
    return model;
}

void Type(CTypingModel& model, const std::string& keys) {
    for (const char key : keys)
        model.OnChar(key);
}

} // namespace

TEST(TypingModel, LaysOutModelAndTypingLines) {
    const CTypingModel model = ModelOf({"ab", "c"});
    EXPECT_EQ(model.Text(), "ab\r\n\r\nc\r\n");
    EXPECT_EQ(model.LineCount(), 4);
    EXPECT_EQ(model.ModelKeystrokes(), 4);
    EXPECT_EQ(model.CaretLine(), 1);
    EXPECT_EQ(model.CaretColumn(), 0);
}

TEST(TypingModel, TypingEveryLineRightFinishesTheRun) {
    CTypingModel model = ModelOf({"ab", "c"});
    EXPECT_EQ(model.OnChar('a').edit, Edit::InsertChar);
    EXPECT_TRUE(model.IsStarted());
    model.OnChar('b');
    const TypingStep enter = model.OnChar(CTypingModel::kEnter);
    EXPECT_EQ(enter.edit, Edit::MoveCaret);
    EXPECT_FALSE(enter.errorSound);
    EXPECT_EQ(model.CaretLine(), 3);
    model.OnChar('c');
    EXPECT_FALSE(model.IsFinished());
    EXPECT_EQ(model.OnChar(CTypingModel::kEnter).edit, Edit::None);

    EXPECT_TRUE(model.IsFinished());
    EXPECT_TRUE(model.Stopwatch().IsStopped());
    EXPECT_EQ(model.Correct(), 4);
    EXPECT_EQ(model.Typed(), 4);
    EXPECT_EQ(model.Errors(), 0);
    EXPECT_EQ(model.Text(), "ab\r\nab\r\nc\r\nc");
}

TEST(TypingModel, KeysAfterTheFinishChangeNothing) {
    CTypingModel model = ModelOf({"a"});
    Type(model, "a\r");
    ASSERT_TRUE(model.IsFinished());
    Type(model, "x\b\r");
    EXPECT_EQ(model.Errors(), 0);
    EXPECT_EQ(model.Typed(), 1);
    EXPECT_EQ(model.Text(), "a\r\na");
}

TEST(TypingModel, EnterOnAnIncompleteLineOnlySounds) {
    CTypingModel model = ModelOf({"ab", "c"});
    model.OnChar('a');
    const TypingStep step = model.OnChar(CTypingModel::kEnter);
    EXPECT_TRUE(step.errorSound);
    EXPECT_EQ(step.edit, Edit::None);
    EXPECT_EQ(model.CaretLine(), 1);
    EXPECT_EQ(model.Correct(), 1);
    EXPECT_EQ(model.Typed(), 1);
    EXPECT_EQ(model.Errors(), 0);
}

TEST(TypingModel, WrongKeysStayVisibleAndAreCountedPerExpectedCharacter) {
    CTypingModel model = ModelOf({"ab"});
    const TypingStep wrong = model.OnChar('x');
    EXPECT_TRUE(wrong.errorSound);
    EXPECT_EQ(wrong.edit, Edit::InsertChar);
    EXPECT_EQ(model.Errors(), 1);
    EXPECT_EQ(model.Typed(), 1);
    EXPECT_EQ(model.CharErrors(), (CharErrorArray{{'a', 1}}));
    EXPECT_EQ(model.Line(1), "x");

    model.OnChar(CTypingModel::kBackspace);
    Type(model, "ya"); // y where a is expected, then a where b is
    EXPECT_EQ(model.CharErrors(), (CharErrorArray{{'a', 2}, {'b', 1}}));
    EXPECT_EQ(model.Errors(), 3);
    EXPECT_EQ(model.Correct(), 0);
}

TEST(TypingModel, KeyPastAFullLineIsAnErrorAndNotInserted) {
    CTypingModel model = ModelOf({"ab"});
    Type(model, "ab");
    const TypingStep step = model.OnChar('c');
    EXPECT_TRUE(step.errorSound);
    EXPECT_EQ(step.edit, Edit::None);
    EXPECT_EQ(model.Errors(), 1);
    EXPECT_EQ(model.Typed(), 2);
    EXPECT_TRUE(model.CharErrors().empty());
    EXPECT_EQ(model.Line(1), "ab");
}

TEST(TypingModel, BackspaceDeletesOnlyWithinTheTypingLine) {
    CTypingModel model = ModelOf({"ab", "c"});
    EXPECT_EQ(model.OnChar(CTypingModel::kBackspace).edit, Edit::None);
    EXPECT_EQ(model.Typed(), 0);

    Type(model, "ab");
    EXPECT_EQ(model.OnChar(CTypingModel::kBackspace).edit, Edit::DeleteBeforeCaret);
    EXPECT_EQ(model.Typed(), 1);
    EXPECT_EQ(model.Correct(), 2);
    EXPECT_EQ(model.CaretColumn(), 1);

    Type(model, "b\r");
    EXPECT_EQ(model.OnChar(CTypingModel::kBackspace).edit, Edit::None);
    EXPECT_EQ(model.Line(1), "ab");
    EXPECT_EQ(model.CaretLine(), 3);
}

TEST(TypingModel, PolishLettersCompareByByte) {
    const std::string word = Utf8ToCp1250("żą");
    CTypingModel model = ModelOf({word});
    model.OnChar(word[0]);
    model.OnChar(Utf8ToCp1250("ę")[0]);
    EXPECT_EQ(model.Correct(), 1);
    EXPECT_EQ(model.CharErrors(), (CharErrorArray{{word[1], 1}}));
}

TEST(TypingModel, EmptyLessonRefusesCharactersAndFinishesOnEnter) {
    CTypingModel model = ModelOf({});
    EXPECT_EQ(model.Text(), "");
    EXPECT_EQ(model.CaretLine(), 0);
    EXPECT_EQ(model.ModelKeystrokes(), 0);
    EXPECT_TRUE(model.OnChar('a').errorSound);
    EXPECT_EQ(model.Errors(), 1);
    EXPECT_TRUE(model.CharErrors().empty());
    model.OnChar(CTypingModel::kEnter);
    EXPECT_TRUE(model.IsFinished());
}

TEST(TypingModel, ViewFollowsTheCaretOnceItIsMoreThanEightLinesDown) {
    CTypingModel model = ModelOf(StringList(10, ""));
    for (int line = 1; line <= 7; line += 2)
        EXPECT_FALSE(model.OnChar(CTypingModel::kEnter, 0).scrollOneLine) << line;
    EXPECT_EQ(model.CaretLine(), 9);
    EXPECT_TRUE(model.OnChar(CTypingModel::kEnter, 0).scrollOneLine);
    EXPECT_FALSE(model.OnChar(CTypingModel::kEnter, 3).scrollOneLine);
}

TEST(TypingModel, FirstKeyRestartsTheStopwatch) {
    int64_t now = 0;
    CTypingModel model(CStopwatch([&] { return now; }, 1000));
    model.SetModelText({"ab"});
    now = 5000;
    model.OnChar('a');
    now = 6000;
    EXPECT_DOUBLE_EQ(model.Stopwatch().ElapsedMs(), 1000.0);
}
