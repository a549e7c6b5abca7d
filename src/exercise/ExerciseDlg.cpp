#include "exercise/ExerciseDlg.h"

#include "app/HelpFile.h"
#include "chooser/DialogColours.h"
#include "exercise/ExerciseStatus.h"
#include "exercise/Grading.h"
#include "exercise/ProgressBar.h"
#include "exercise/ResultDlg.h"
#include "exercise/TypingEdit.h"
#include "platform/DialogTemplate.h"
#include "platform/MessageBox.h"
#include "platform/QtText.h"

#include <QLabel>
#include <QPushButton>
#include <QShortcut>

namespace {

constexpr int kIdTyping = 1015;
constexpr int kIdSpeed = 1021;
constexpr int kIdErrors = 1022;
constexpr int kIdTime = 1023;
constexpr int kIdProgress = 1024;
constexpr int kIdHelpButton = 1025;

constexpr int kTickMs = 100;
// The speed changes too fast to read when shown on every tick.
constexpr int kTicksPerSpeedUpdate = 10;

const DialogTemplate kExerciseTemplate{
    "Lekcja",
    402,
    255,
    {
        {kNoId, ControlKind::Label, 10, 5, 360, 13,
         "Połóż palce jak należy (wciśnij pomoc jeśli nie wiesz jak), i zacznij wpisywać znaki..."},
        {kIdTyping, ControlKind::Placeholder, 10, 20, 385, 175, ""},
        {kNoId, ControlKind::GroupBox, 10, 200, 385, 30, ""},
        {kIdTime, ControlKind::VCentredLabel, 20, 210, 70, 15, "Czas: "},
        {kIdSpeed, ControlKind::VCentredLabel, 100, 210, 110, 15, "Znaków na minutę"},
        {kIdErrors, ControlKind::VCentredLabel, 220, 210, 60, 15, "Błędów"},
        {kNoId, ControlKind::Label, 295, 212, 40, 8, "Wykonano:"},
        {kIdProgress, ControlKind::Placeholder, 335, 214, 55, 5, ""},
        {kIdHelpButton, ControlKind::PushButton, 175, 235, 105, 14, "Pomoc"},
        {kIdOk, ControlKind::PushButton, 290, 235, 105, 14, "Koniec testu"},
    },
};

// Shared by every exercise of the program's run: the speed refresh counts
// ticks across exercises, and a finished exercise's result window turns
// away the ticks that arrive while it is open.
int g_tickCount = 0;
bool g_resultOpen = false;

} // namespace

CExerciseDlg::CExerciseDlg(QWidget* parent)
    : QDialog(parent), m_typing(new CTypingEdit), m_progress(new CProgressBar) {
    const DialogControls controls =
        BuildDialog(*this, kExerciseTemplate, {{kIdTyping, m_typing}, {kIdProgress, m_progress}});
    ApplyDialogColours(*this);
    m_time = controls.Get<QLabel>(kIdTime);
    m_speed = controls.Get<QLabel>(kIdSpeed);
    m_errors = controls.Get<QLabel>(kIdErrors);
    for (QPushButton* button : findChildren<QPushButton*>())
        button->setAutoDefault(false);

    connect(controls.Get<QPushButton>(kIdHelpButton), &QPushButton::clicked, this, &OpenHelpFile);
    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this, &OpenHelpFile);
    m_timer.setInterval(kTickMs);
    connect(&m_timer, &QTimer::timeout, this, &CExerciseDlg::OnTimer);
}

void CExerciseDlg::SetLines(const StringList& lines) {
    m_emptyLesson = lines.empty();
    m_typing->SetModelText(lines);
}

int CExerciseDlg::exec() {
    if (m_emptyLesson)
        ShowMessage(this, QStringLiteral("error: empty lesson, crash possible"));
    m_typing->setFocus();
    m_timer.start();
    const int result = QDialog::exec();
    m_timer.stop();
    return result;
}

const CTypingModel& CExerciseDlg::Typing() const {
    return m_typing->State();
}

void CExerciseDlg::OnTimer() {
    if (g_resultOpen)
        return;
    ++g_tickCount;
    const double ms = Typing().Stopwatch().ElapsedMs();
    const double charsPerMinute = CharactersPerMinute(Typing().Correct(), ms);
    ShowStatus(ms, charsPerMinute);
    if (Typing().IsFinished())
        Finish(ms, charsPerMinute);
}

void CExerciseDlg::ShowStatus(double ms, double charsPerMinute) {
    const bool anythingCounted = Typing().Correct() != 0 || Typing().Errors() != 0;
    if (anythingCounted)
        m_time->setText(ToQString(TimeStatusText(ms)));
    if (g_tickCount % kTicksPerSpeedUpdate == 0)
        m_speed->setText(ToQString(SpeedStatusText(charsPerMinute, anythingCounted)));
    m_errors->setText(ToQString(ErrorsStatusText(Typing().Errors())));
    m_progress->SetPercentage(ProgressPercentage(Typing().ModelKeystrokes(), Typing().Typed()));
}

void CExerciseDlg::Finish(double ms, double charsPerMinute) {
    g_resultOpen = true;
    const int grade =
        ComputeGrade(charsPerMinute, ErrorPercentage(Typing().Typed(), Typing().Errors()));
    CResultDlg result;
    result.SetTexts(ResultDetails(grade, SecondsOf(ms), charsPerMinute, Typing().Errors()),
                    VerdictOf(grade));
    result.exec();
    g_resultOpen = false;
    accept();
}
