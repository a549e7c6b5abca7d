// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PupilsFixture.h"
#include "platform/ProgramContext.h"

#include "ModalWindow.h"
#include "platform/DialogTemplate.h"
#include "platform/SortedList.h"
#include "pupils/ChoosePupil.h"
#include "pupils/PupilDlg.h"
#include "pupils/QuestionDlg.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <filesystem>

namespace {

constexpr int kOk = kIdOk;
constexpr int kCancel = kIdCancel;
constexpr int kNew = CPupilDlg::kIdNewPupil;

class ChoosePupilTest : public PupilsFixture {
protected:
    void AddPupils(std::initializer_list<const char*> folders) {
        for (const char* folder : folders)
            std::filesystem::create_directories(PupilsFolder() + "/" + folder);
    }
    int Choose() { return ChoosePupil(Pupils(), m_pupil); }
    std::string FirstInScanOrder() const {
        StringList names;
        ListPupils(Pupils(), names);
        return names.empty() ? std::string{} : names.front();
    }

    std::string m_pupil;
};

SortedListWidget& ListOf(CPupilDlg& dialog) {
    return *dialog.findChild<SortedListWidget*>(ControlName(CPupilDlg::kIdPupilList));
}

QStringList Shown(CPupilDlg& dialog) {
    QStringList names;
    for (int row = 0; row < ListOf(dialog).count(); ++row)
        names << ListOf(dialog).item(row)->text();
    return names;
}

QString Selected(CPupilDlg& dialog) {
    const auto selected = ListOf(dialog).selectedItems();
    return selected.isEmpty() ? QString() : selected.front()->text();
}

void Press(QDialog& dialog, int id) {
    dialog.findChild<QPushButton*>(ControlName(id))->click();
}

// Presses the button of the next pupil dialog.
void OnPupilDialog(int button) {
    OnNextModal<CPupilDlg>([button](CPupilDlg& dialog) { Press(dialog, button); });
}

// "&Nowy", then the name typed into the question and OK; then() sets up
// what answers the windows that follow.
void AddPupilThroughTheDialog(const QString& name, std::function<void()> then) {
    OnNextModal<CPupilDlg>([name, then](CPupilDlg& dialog) {
        OnNextModal<CQuestionDlg>([name, then](CQuestionDlg& question) {
            // Key clicks cannot carry Polish letters; the edit takes them as typed text.
            question.findChild<QLineEdit*>()->insert(name);
            then();
            Press(question, kOk);
        });
        Press(dialog, kNew);
    });
}

} // namespace

TEST_F(ChoosePupilTest, WithoutPupilsNeitherButtonChoosesOne) {
    QStringList shown{"not shown"};
    OnNextModal<CPupilDlg>([&](CPupilDlg& dialog) {
        shown = Shown(dialog);
        Press(dialog, kOk);
    });
    EXPECT_EQ(Choose(), QDialog::Accepted);
    EXPECT_TRUE(shown.isEmpty());
    EXPECT_EQ(m_pupil, "");

    OnPupilDialog(kCancel);
    EXPECT_EQ(Choose(), QDialog::Rejected);
    EXPECT_EQ(m_pupil, "");
}

TEST_F(ChoosePupilTest, TheOnlyPupilIsSelectedInTheFocusedListAndChosenEitherWay) {
    AddPupils({"Łucja"});
    QString selected;
    bool listHasFocus = false;
    OnNextModal<CPupilDlg>([&](CPupilDlg& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Tastrum: wybieranie ucznia"));
        selected = Selected(dialog);
        listHasFocus = dialog.focusWidget() == &ListOf(dialog);
        Press(dialog, kOk);
    });
    Choose();
    EXPECT_EQ(selected, QStringLiteral("Łucja"));
    EXPECT_TRUE(listHasFocus);
    EXPECT_EQ(m_pupil, "\xA3ucja");

    m_pupil = "";
    OnPupilDialog(kCancel);
    Choose();
    EXPECT_EQ(m_pupil, "\xA3ucja");
}

TEST_F(ChoosePupilTest, OkTakesTheSelectedPupilAndCancelTheFirstOnDisk) {
    AddPupils({"Zosia", "Łucja", "adam", "Ela", "Jan.Kowalski"});
    QStringList shown;
    QString preselected;
    OnNextModal<CPupilDlg>([&](CPupilDlg& dialog) {
        shown = Shown(dialog);
        preselected = Selected(dialog);
        ListOf(dialog).setCurrentRow(3);
        Press(dialog, kOk);
    });
    Choose();
    EXPECT_EQ(shown, (QStringList{"adam", "Ela", "Jan.Kowalski", "Łucja", "Zosia"}));
    EXPECT_EQ(preselected, QStringLiteral("adam"));
    EXPECT_EQ(m_pupil, "\xA3ucja");

    m_pupil = "";
    OnPupilDialog(kCancel);
    Choose();
    EXPECT_EQ(m_pupil, FirstInScanOrder());

    m_pupil = "Ela";
    OnPupilDialog(kCancel);
    Choose();
    EXPECT_EQ(m_pupil, "Ela");

    // A double click selects, as a click does; only OK accepts.
    bool stillOpen = false;
    OnNextModal<CPupilDlg>([&stillOpen](CPupilDlg& dialog) {
        QListWidget& list = ListOf(dialog);
        QListWidgetItem* zosia = list.item(4);
        list.scrollToItem(zosia);
        // A real double-click starts with a click on the item.
        const QPoint centre = list.visualItemRect(zosia).center();
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, centre);
        stillOpen = dialog.isVisible();
        dialog.accept();
    });
    EXPECT_EQ(Choose(), QDialog::Accepted);
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(m_pupil, "Zosia");
}

TEST_F(ChoosePupilTest, CancellingTheQuestionLeavesThePupilDialogAsItWas) {
    AddPupils({"Ola", "Ala"});
    QString prompt;
    bool answerHasFocus = false;
    OnNextModal<CPupilDlg>([&](CPupilDlg& dialog) {
        OnNextModal<CQuestionDlg>([&](CQuestionDlg& question) {
            prompt = question.findChild<QLabel*>(ControlName(CQuestionDlg::kIdPrompt))->text();
            EXPECT_EQ(question.windowTitle(), QStringLiteral("Question"));
            answerHasFocus = question.focusWidget() == question.findChild<QLineEdit*>();
            QTest::keyClicks(question.findChild<QLineEdit*>(), "Ewa");
            Press(question, kCancel);
            OnPupilDialog(kOk);
        });
        ListOf(dialog).setCurrentRow(1);
        Press(dialog, kNew);
    });
    EXPECT_EQ(Choose(), QDialog::Accepted);
    EXPECT_EQ(prompt, QStringLiteral("Podaj imię nowego ucznia:"));
    EXPECT_TRUE(answerHasFocus);
    EXPECT_EQ(m_pupil, "Ola");
    EXPECT_FALSE(std::filesystem::exists(PupilsFolder() + "/Ewa"));
}

TEST_F(ChoosePupilTest, ANewPupilIsListedAtOnceAndCanBeChosen) {
    AddPupils({"Ala"});
    QStringList shownAfter;
    AddPupilThroughTheDialog(QStringLiteral("Żaneta"), [&] {
        OnNextModal<CPupilDlg>([&](CPupilDlg& dialog) {
            shownAfter = Shown(dialog);
            ListOf(dialog).setCurrentRow(1);
            Press(dialog, kOk);
        });
    });
    EXPECT_EQ(Choose(), QDialog::Rejected);
    EXPECT_EQ(shownAfter, (QStringList{"Ala", "Żaneta"}));
    EXPECT_EQ(m_pupil, "\xAF"
                       "aneta");
}

TEST_F(ChoosePupilTest, ThePupilJustMadeIsSelectedSoOkChoosesThem) {
    AddPupils({"Ala", "Ola"});
    AddPupilThroughTheDialog(QStringLiteral("Zosia"), [&] { OnPupilDialog(kOk); });
    Choose();
    EXPECT_EQ(m_pupil, "Zosia");

    // An existing name typed in another case selects that pupil.
    AddPupilThroughTheDialog(QStringLiteral("ola"), [] { OnPupilDialog(kOk); });
    Choose();
    EXPECT_EQ(m_pupil, "Ola");
}

TEST_F(ChoosePupilTest, ANewPupilWhoseListIsCancelledBecomesCurrent) {
    AddPupilThroughTheDialog(QStringLiteral("Ewa"), [] { OnPupilDialog(kCancel); });
    Choose();
    EXPECT_EQ(m_pupil, "Ewa");
}

TEST_F(ChoosePupilTest, AnExistingNameShowsTheSameListAgain) {
    AddPupils({"Ala", "Ola"});
    QStringList shownAgain;
    AddPupilThroughTheDialog(QStringLiteral(" ala "), [&] {
        OnNextModal<CPupilDlg>([&](CPupilDlg& dialog) {
            shownAgain = Shown(dialog);
            Press(dialog, kCancel);
        });
    });
    Choose();
    EXPECT_EQ(shownAgain, (QStringList{"Ala", "Ola"}));
    EXPECT_EQ(m_pupil, FirstInScanOrder());
}

TEST_F(ChoosePupilTest, ANameOutsideThePupilsFolderIsRefusedWithAMessage) {
    std::filesystem::create_directories(PupilsFolder());
    QString message;
    QStringList shownAgain{"not shown"};
    AddPupilThroughTheDialog(QStringLiteral("../Ala"), [&] {
        OnNextModal<QMessageBox>([&](QMessageBox& box) {
            message = box.text();
            OnNextModal<CPupilDlg>([&](CPupilDlg& dialog) {
                shownAgain = Shown(dialog);
                Press(dialog, kCancel);
            });
            box.accept();
        });
    });
    Choose();
    EXPECT_TRUE(message.contains(QStringLiteral("nie może zawierać")));
    EXPECT_TRUE(shownAgain.isEmpty());
    EXPECT_EQ(m_pupil, "");
    EXPECT_TRUE(std::filesystem::is_empty(PupilsFolder()));
    EXPECT_FALSE(std::filesystem::exists(m_program / "Data/Ala"));
}
