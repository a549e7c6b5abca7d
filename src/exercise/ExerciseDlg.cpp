// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercise/ExerciseDlg.h"

#include "exercise/ExerciseStatus.h"
#include "exercise/Grading.h"
#include "exercise/IdleScreenSync.h"
#include "exercise/KeyboardPanel.h"
#include "exercise/NextStep.h"
#include "exercise/ProgressBar.h"
#include "exercise/ResultDlg.h"
#include "exercise/TeachingAids.h"
#include "exercise/TypingEdit.h"
#include "exercise/WeakKeyLesson.h"
#include "keyboard/LayoutCheck.h"
#include "platform/DialogColours.h"
#include "platform/DialogTemplate.h"
#include "platform/HelpFile.h"
#include "platform/MessageBox.h"
#include "platform/QtText.h"
#include "pupils/PupilRegistry.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>

#include <algorithm>

namespace {

constexpr int kTickMs = 100;
// The practice a result window offers names this many keys at most.
constexpr size_t kPracticeKeysNamed = 5;
// Time enough for the display server to show a typed character, and well
// within the frame in which it appears.
constexpr int kKeyboardFollowMs = 2;
// The speed changes too fast to read when shown on every tick.
constexpr int kTicksPerSpeedUpdate = 10;

// The on-screen keyboard sits below the window's own controls, in dialog
// units; on a low screen it takes what room is left, if it stays usable.
constexpr int kKeyboardLeft = 10;
constexpr int kKeyboardWidth = 385;
constexpr int kKeyboardHeight = 95;
constexpr int kSmallestKeyboardPixels = 80;
constexpr int kKeyboardMarginPixels = 10;

// What the exercise windows of one run of the program share: the refresh
// counts its ticks across all exercises (the speed shows on every tenth),
// and a finished exercise's result window turns away the ticks that arrive
// while it is open.
struct ExerciseTicks {
    int count = 0;
    bool resultOpen = false;
};
ExerciseTicks g_ticks;

// A test's time left, between the keyboard's switch and the help button,
// in dialog units.
constexpr int kTimeLeftX = 115, kTimeLeftY = 236, kTimeLeftWidth = 58, kTimeLeftHeight = 12;

// Whether anything was counted yet: the run's time starts with the first key.
bool AnythingCounted(const CTypingModel& typing) {
    return typing.Correct() != 0 || typing.Errors() != 0;
}

// "Zostało: 2:35".
QString TimeLeftText(int seconds) {
    return QStringLiteral("Zostało: %1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QChar('0'));
}

// Over the window's first line, in dialog units.
constexpr int kCapsBarX = 10, kCapsBarY = 2, kCapsBarWidth = 385, kCapsBarHeight = 16;
const QColor kCapsBarColour{200, 0, 0};

QLabel* MakeCapsLockBar(QDialog& dialog) {
    auto* bar = new QLabel(
        QStringLiteral("Włączony Caps Lock! Wyłącz go (Caps Lock, lewy mały palec)."), &dialog);
    bar->setAutoFillBackground(true);
    QPalette palette = bar->palette();
    palette.setColor(QPalette::Window, kCapsBarColour);
    palette.setColor(QPalette::WindowText, Qt::white);
    bar->setPalette(palette);
    QFont bold = dialog.font();
    bold.setBold(true);
    bar->setFont(bold);
    bar->setAlignment(Qt::AlignCenter);
    bar->setGeometry(
        DialogUnitsToPixels(dialog.font(), kCapsBarX, kCapsBarY, kCapsBarWidth, kCapsBarHeight));
    bar->hide();
    return bar;
}

const DialogTemplate kExerciseTemplate{
    "Lekcja",
    402,
    255,
    {
        {kNoId, ControlKind::Label, 10, 5, 360, 13,
         "Połóż palce jak należy (wciśnij pomoc jeśli nie wiesz jak), i zacznij wpisywać znaki..."},
        {CExerciseDlg::kIdTyping, ControlKind::Placeholder, 10, 20, 385, 175, ""},
        {kNoId, ControlKind::GroupBox, 10, 200, 385, 30, ""},
        {CExerciseDlg::kIdTime, ControlKind::VCentredLabel, 20, 210, 70, 15, "Czas: "},
        {CExerciseDlg::kIdSpeed, ControlKind::VCentredLabel, 100, 210, 110, 15, "Znaków na minutę"},
        {CExerciseDlg::kIdErrors, ControlKind::VCentredLabel, 220, 210, 60, 15, "Błędów"},
        {kNoId, ControlKind::Label, 295, 212, 40, 8, "Wykonano:"},
        {CExerciseDlg::kIdProgress, ControlKind::Placeholder, 335, 214, 55, 5, ""},
        {CExerciseDlg::kIdHelpButton, ControlKind::PushButton, 175, 235, 105, 14, "Pomoc"},
        {kIdOk, ControlKind::PushButton, 290, 235, 105, 14, "Koniec testu"},
        {CExerciseDlg::kIdKeyboardToggle, ControlKind::CheckBox, 10, 236, 100, 12, "Klawiatura"},
    },
};

} // namespace

CExerciseDlg::CExerciseDlg(CExerciseSession& session, ExerciseSurroundings surroundings,
                           QWidget* parent, LayoutSource activeLayout)
    : QDialog(parent), m_session(session), m_surroundings(std::move(surroundings)),
      m_typing(new CTypingEdit(session, m_surroundings.beep)), m_progress(new CProgressBar),
      m_keyboard(new CKeyboardPanel(this)), m_activeLayout(std::move(activeLayout)) {
    // The window fits the screen for what it shows: room for the keyboard
    // is kept only while the aids are on.
    const bool aidsShown = AidsShownForPupil(m_surroundings.pupils, m_surroundings.pupil);
    const DialogControls controls =
        BuildDialog(*this, kExerciseTemplate,
                    {{CExerciseDlg::kIdTyping, m_typing}, {CExerciseDlg::kIdProgress, m_progress}},
                    aidsShown ? kSmallestKeyboardPixels + kKeyboardMarginPixels : 0);
    ApplyDialogColours(*this);
    m_typing->FollowDialogFont(font());
    m_capsLockBar = MakeCapsLockBar(*this);
    new CIdleScreenSync(*this);
    m_time = controls.Get<QLabel>(CExerciseDlg::kIdTime);
    m_speed = controls.Get<QLabel>(CExerciseDlg::kIdSpeed);
    m_errors = controls.Get<QLabel>(CExerciseDlg::kIdErrors);
    for (QPushButton* button : findChildren<QPushButton*>())
        button->setAutoDefault(false);

    connect(controls.Get<QPushButton>(CExerciseDlg::kIdHelpButton), &QPushButton::clicked, this,
            &CExerciseDlg::OnHelp);
    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this, &CExerciseDlg::OnHelp);

    m_keyboardToggle = controls.Get<QCheckBox>(CExerciseDlg::kIdKeyboardToggle);
    m_keyboardToggle->setFocusPolicy(Qt::NoFocus);
    connect(m_keyboardToggle, &QCheckBox::clicked, this, &CExerciseDlg::ShowKeyboard);
    m_aidsShortcut = new QShortcut(Qt::Key_F2, this);
    connect(m_aidsShortcut, &QShortcut::activated, this,
            [this] { ShowKeyboard(!IsKeyboardShown()); });
    // The typed character goes to the screen first, and the keyboard
    // follows a moment later: drawn at once, it would hold the character
    // back on its way through the display server.
    m_keyboardFollow.setSingleShot(true);
    m_keyboardFollow.setInterval(kKeyboardFollowMs);
    connect(&m_keyboardFollow, &QTimer::timeout, this, [this] {
        m_keyboard->Follow(m_session.Typing(), m_followedKey.expected, m_followedKey.typed);
    });
    // Of keys that come faster, the last is the one to show: a slip's hint
    // stands only until the next key.
    m_typing->SetKeyObserver([this](std::optional<char> expected, char typed) {
        // A Polish letter that arrives shows the layout types them, whatever
        // it is called.
        if (m_layoutWarning && IsPolishLetter(typed)) {
            m_layoutWarning.reset();
            m_keyboard->ShowLayoutWarning(false);
        }
        if (!IsKeyboardShown())
            return;
        m_followedKey = {expected, typed};
        if (!m_keyboardFollow.isActive())
            m_keyboardFollow.start();
    });
    m_typing->SetCapsLockObserver([this](bool on) { ShowCapsLock(on); });
    PlaceKeyboard();
    ApplyKeyboardShown(aidsShown);

    m_timer.setInterval(kTickMs);
    connect(&m_timer, &QTimer::timeout, this, &CExerciseDlg::Tick);
}

void CExerciseDlg::SetLines(const StringList& lines) {
    m_session.SetLines(lines);
    m_typing->ShowSession();
    m_keyboard->Follow(m_session.Typing());
    m_layoutWarning =
        HasPolishLetters(lines) ? PolishLayoutWarning(m_activeLayout()) : std::nullopt;
    m_keyboard->ShowLayoutWarning(m_layoutWarning.has_value());
}

bool CExerciseDlg::IsKeyboardShown() const {
    return !m_keyboard->isHidden();
}

void CExerciseDlg::PlaceKeyboard() {
    m_sizeWithoutKeyboard = size();
    const QRect wanted =
        DialogUnitsToPixels(font(), kKeyboardLeft, 0, kKeyboardWidth, kKeyboardHeight);
    const int margin = kKeyboardMarginPixels;
    const int room = RoomForDialog(*this).height() - m_sizeWithoutKeyboard.height() - margin;
    const int height = std::min(wanted.height(), room);
    m_keyboardFits = height >= kSmallestKeyboardPixels;
    m_keyboard->setGeometry(wanted.x(), m_sizeWithoutKeyboard.height(), wanted.width(),
                            std::max(0, height));
    m_sizeWithKeyboard = m_sizeWithoutKeyboard + QSize(0, std::max(0, height) + margin);
    m_keyboardToggle->setEnabled(m_keyboardFits);
}

// With the aids on, Caps Lock is told in a bar over the window's first line,
// which a pupil looking at the text cannot miss, and marked on the keyboard.
void CExerciseDlg::ShowCapsLock(bool on) {
    m_capsLockOn = on;
    m_keyboard->ShowCapsLock(on);
    m_capsLockBar->setVisible(on && IsKeyboardShown());
}

void CExerciseDlg::KeepAidsOff() {
    m_aidsKeptOff = true;
    m_aidsShortcut->setEnabled(false);
    ApplyKeyboardShown(false);
}

void CExerciseDlg::SetTimeLimit(int seconds) {
    m_timeLimitSeconds = seconds;
    m_timeLeft = new QLabel(this);
    QFont bold = font();
    bold.setBold(true);
    m_timeLeft->setFont(bold);
    m_timeLeft->setGeometry(
        DialogUnitsToPixels(font(), kTimeLeftX, kTimeLeftY, kTimeLeftWidth, kTimeLeftHeight));
    ShowTimeLeft();
}

// The time runs from the first key, as the run's own time does.
void CExerciseDlg::ShowTimeLeft() {
    const double usedMs = AnythingCounted(m_session.Typing()) ? m_session.ElapsedMs() : 0.0;
    const int left = std::max(0, *m_timeLimitSeconds - static_cast<int>(usedMs / 1000.0));
    m_timeLeft->setText(TimeLeftText(left));
}

bool CExerciseDlg::TimeIsUp() const {
    return m_timeLimitSeconds && AnythingCounted(m_session.Typing()) &&
           m_session.ElapsedMs() >= *m_timeLimitSeconds * 1000.0;
}

void CExerciseDlg::ShowKeyboard(bool shown) {
    if (m_aidsKeptOff)
        return;
    ApplyKeyboardShown(shown);
    KeepAidsShown(m_surroundings.pupils, m_surroundings.pupil, shown);
}

// The teaching aids go together: the keyboard with its hands, its switch
// and the typing field's colours. Without them the window is the exercise
// window alone, at its own size, with its own controls; F2 brings them back.
void CExerciseDlg::ApplyKeyboardShown(bool shown) {
    shown = shown && m_keyboardFits;
    m_keyboard->setVisible(shown);
    m_typing->ShowAids(shown);
    m_keyboardToggle->setVisible(shown);
    setFixedSize(shown ? m_sizeWithKeyboard : m_sizeWithoutKeyboard);
    m_keyboardToggle->setChecked(shown);
    m_capsLockBar->setVisible(shown && m_capsLockOn);
    if (shown)
        m_keyboard->Follow(m_session.Typing());
}

int CExerciseDlg::exec() {
    if (m_session.IsEmpty())
        ShowMessage(this, QStringLiteral("error: empty lesson, crash possible"));
    // Without the aids the window stays the exercise window alone.
    if (m_layoutWarning && !IsKeyboardShown())
        ShowMessage(this, QString::fromStdString(*m_layoutWarning));
    m_typing->setFocus();
    m_timer.start();
    const int result = QDialog::exec();
    m_timer.stop();
    return result;
}

// The keys the pupil types next belong to the exercise, not to the button.
void CExerciseDlg::OnHelp() {
    OpenHelpFile(m_surroundings.programFolder);
    m_typing->setFocus();
}

void CExerciseDlg::Tick() {
    if (g_ticks.resultOpen)
        return;
    ++g_ticks.count;
    const double ms = m_session.ElapsedMs();
    ShowStatus(ms, CharactersPerMinute(m_session.Typing().Correct(), ms));
    if (m_timeLimitSeconds)
        ShowTimeLeft();
    if (!m_session.IsFinished() && TimeIsUp()) {
        m_timeRanOut = true;
        m_session.HoldTime();
    }
    if (m_session.IsFinished() || m_timeRanOut)
        Finish();
}

void CExerciseDlg::ShowStatus(double ms, double charsPerMinute) {
    const CTypingModel& typing = m_session.Typing();
    const bool anythingCounted = AnythingCounted(typing);
    if (anythingCounted)
        m_time->setText(ToQString(TimeStatusText(ms)));
    if (g_ticks.count % kTicksPerSpeedUpdate == 0)
        m_speed->setText(ToQString(SpeedStatusText(charsPerMinute, anythingCounted)));
    m_errors->setText(ToQString(ErrorsStatusText(typing.Errors())));
    m_progress->SetPercentage(ProgressPercentage(typing.ModelKeystrokes(), typing.Typed()));
}

void CExerciseDlg::SetKeyStats(CKeyStats before, std::vector<WeakKey> practised) {
    m_keyStats = std::move(before);
    m_practised = std::move(practised);
}

void CExerciseDlg::OfferPracticeAfterRun(CResultDlg& result,
                                         const std::vector<KeyPress>& run) const {
    if (!IsKeyboardShown() || !m_keyStats || !m_practised.empty())
        return;
    CKeyStats after = *m_keyStats;
    after.Add(run);
    if (after.TotalPresses() < kPressesForPractice)
        return;
    std::vector<WeakKey> weak = RankWeakKeys(after);
    weak.resize(std::min(weak.size(), kPracticeKeysNamed));
    if (!weak.empty())
        result.OfferPractice("Ćwicz: " + KeyNames(weak));
}

// The lesson's name and date play no part in what the window shows.
void CExerciseDlg::Finish() {
    g_ticks.resultOpen = true;
    const ExerciseOutcome outcome = m_session.Outcome({}, {});
    CResultDlg result(m_surroundings.programFolder);
    result.SetTexts(ResultDetails(outcome.grade, SecondsOf(outcome.counts.elapsedMs),
                                  outcome.charsPerMinute, outcome.counts.errors),
                    VerdictOf(outcome.grade));
    if (m_markOf)
        result.SetNextStep("Ocena: " + std::to_string(m_markOf(outcome.record)));
    // What the program adds to the result is a teaching aid too.
    else if (IsKeyboardShown()) {
        // A practice tells how its keys went; nothing when it has none.
        const std::string progress = PracticeProgressText(m_practised, outcome.keyPresses);
        result.SetNextStep(progress.empty() ? NextStepText(outcome.grade, outcome.charsPerMinute,
                                                           outcome.charErrors)
                                            : progress);
        if (m_nextLessonOffered && outcome.grade >= kPassGrade)
            result.OfferNextLesson();
    }
    OfferPracticeAfterRun(result, outcome.keyPresses);
    result.exec();
    m_nextLessonAsked = result.NextLessonAsked();
    m_practiceAsked = result.PracticeAsked();
    g_ticks.resultOpen = false;
    accept();
}

void CExerciseDlg::accept() {
    m_session.HoldTime();
    if (!m_session.IsFinished() && !m_session.IsEmpty() && !m_timeRanOut &&
        !AskYesNo(this, QStringLiteral("Zakończyć ćwiczenie? Przepisano dopiero %1% tekstu.")
                            .arg(static_cast<int>(m_session.TypedPercentage())))) {
        m_session.ReleaseTime();
        m_typing->setFocus();
        return;
    }
    QDialog::accept();
}

void CExerciseDlg::reject() {
    if (m_markOf) {
        accept();
        return;
    }
    const CTypingModel& typing = m_session.Typing();
    const bool anythingTyped = typing.Typed() > 0 || typing.Errors() > 0 || typing.Correct() > 0;
    m_session.HoldTime();
    if (anythingTyped &&
        !AskYesNo(this, QStringLiteral("Przerwać ćwiczenie? Wynik nie zostanie zapisany."))) {
        m_session.ReleaseTime();
        m_typing->setFocus();
        return;
    }
    QDialog::reject();
}
