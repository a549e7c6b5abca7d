#include "chooser/LessonDlg.h"
#include "chooser/LessonListBox.h"

#include "app/Paths.h"
#include "TempFolder.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A program folder with a Lessons folder of its own for the chooser to list.
class LessonDlgTest : public testing::Test {
protected:
    void SetUp() override { OverrideProgramFolder(m_program.Path()); }
    void TearDown() override { OverrideProgramFolder(""); }
    void AddFile(const std::string& name) { WriteFile(m_program / ("Data/Lessons/" + name), ""); }

    TempFolder m_program;
};

QStringList Titles(CLessonListBox& list) {
    QStringList titles;
    for (int row = 0; row < list.count(); ++row) titles << list.item(row)->text();
    return titles;
}

} // namespace

TEST_F(LessonDlgTest, ListsIniFilesSortedWithoutSubfolders) {
    AddFile("b.ini");
    AddFile("A.INI");
    AddFile("c.txt");
    AddFile("żaba.ini");
    AddFile("zebra.ini");
    AddFile("sub/d.ini");
    CLessonDlg chooser;
    chooser.Initialise();
    EXPECT_EQ(Titles(chooser.LessonList()),
              (QStringList{"A", "b", "zebra", "żaba"}));
}

TEST_F(LessonDlgTest, EnterOnTheListRunsTheSelectedItemsOwnFile) {
    AddFile("b.ini");
    AddFile("A.ini");
    AddFile("a.ini");
    CLessonDlg chooser;
    std::vector<std::string> ran;
    chooser.SetLessonRunner([&](const std::string& path) { ran.push_back(path); });
    chooser.Initialise();
    chooser.show();
    CLessonListBox& list = chooser.LessonList();

    for (int row = 0; row < list.count(); ++row) {
        list.setCurrentRow(row);
        list.setFocus();
        QTest::keyClick(&list, Qt::Key_Return);
        const std::string title = list.item(row)->text().toStdString();
        ASSERT_EQ(ran.size(), static_cast<size_t>(row + 1));
        EXPECT_EQ(ran.back(), m_program.Path() + "/Data/Lessons/" + title + ".ini");
    }

    auto* help = chooser.findChild<QPushButton*>(QStringLiteral("control1016"));
    help->setFocus();
    QTest::keyClick(help, Qt::Key_Return);
    EXPECT_EQ(ran.size(), 3u);
}

TEST_F(LessonDlgTest, EnterWithNothingSelectedRunsAnEmptyPath) {
    CLessonDlg chooser;
    std::vector<std::string> ran;
    chooser.SetLessonRunner([&](const std::string& path) { ran.push_back(path); });
    chooser.Initialise();
    chooser.show();
    QTest::keyClick(&chooser.LessonList(), Qt::Key_Return);
    EXPECT_EQ(ran, std::vector<std::string>{""});
}

TEST_F(LessonDlgTest, GreetsAndStartsOnTheEndButton) {
    CLessonDlg chooser;
    chooser.Initialise();
    chooser.show();
    EXPECT_EQ(chooser.Greeting().text(), QStringLiteral("Witam, "));
    EXPECT_EQ(chooser.focusWidget()->objectName(), QStringLiteral("control1"));
}
