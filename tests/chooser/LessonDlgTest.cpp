#include "chooser/LessonDlg.h"
#include "chooser/LessonListBox.h"

#include "app/Paths.h"
#include "exercise/ModalWindow.h"
#include "pupils/PupilDlg.h"
#include "TempFolder.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// A program folder with a Lessons folder of its own for the chooser to list.
class LessonDlgTest : public testing::Test {
protected:
    void SetUp() override { OverrideProgramFolder(m_program.Path()); }
    void TearDown() override { OverrideProgramFolder(""); }
    void AddFile(const std::string& name) { WriteFile(m_program / ("Data/Lessons/" + name), ""); }
    // Opens the chooser with the first pupil, if any.
    void Initialise(CLessonDlg& chooser) {
        OnNextModal<CPupilDlg>([](CPupilDlg& pupils) { pupils.accept(); });
        chooser.Initialise();
    }

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
    Initialise(chooser);
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
    Initialise(chooser);
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
    Initialise(chooser);
    chooser.show();
    QTest::keyClick(&chooser.LessonList(), Qt::Key_Return);
    EXPECT_EQ(ran, std::vector<std::string>{""});
}

TEST_F(LessonDlgTest, GreetsThePupilAndStartsOnTheEndButton) {
    CLessonDlg nobody;
    Initialise(nobody);
    nobody.show();
    EXPECT_EQ(nobody.Greeting().text(), QStringLiteral("Witam, "));
    EXPECT_EQ(nobody.focusWidget()->objectName(), QStringLiteral("control1"));

    std::filesystem::create_directories(m_program / "Data/Pupils/Żaneta");
    CLessonDlg chooser;
    Initialise(chooser);
    EXPECT_EQ(chooser.Greeting().text(), QStringLiteral("Witam, Żaneta"));
}
