// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "exercise/ExerciseSession.h"
#include "exercise/WeakKeys.h"
#include "platform/ActiveLayout.h"
#include "platform/ErrorBeep.h"
#include "platform/ProgramFolders.h"
#include "platform/StringList.h"

#include <QDialog>
#include <QTimer>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class CKeyboardPanel;
class CResultDlg;
class CProgressBar;
class QCheckBox;
class CTypingEdit;
class QLabel;
class QShortcut;

// The window in which one lesson is typed. It shows the time, speed, errors
// and progress ten times a second and, once the last line is done, the grade
// in a result window; then it closes with Accepted. "Koniec testu" also
// accepts, at any moment; closing it any other way rejects.
//
// The window shows an exercise session that its caller owns, which keeps
// the run's figures after the window closes. When the lesson holds Polish
// letters that the keyboard layout in use cannot type, it says so: above
// the on-screen keyboard, or in a message as it opens while the teaching
// aids are off.
// Who types an exercise and what it reaches beyond its window.
struct ExerciseSurroundings {
    PupilsFolder pupils;       // where the pupil's choice of teaching aids is kept
    std::string pupil;         // Windows-1250; none keeps the account's choice
    std::string programFolder; // whose help the help button shows
    ErrorBeep beep;
};

class CExerciseDlg : public QDialog {
    Q_OBJECT

public:
    // Control ids.
    static constexpr int kIdTyping = 1015;
    static constexpr int kIdSpeed = 1021;
    static constexpr int kIdErrors = 1022;
    static constexpr int kIdTime = 1023;
    static constexpr int kIdProgress = 1024;
    static constexpr int kIdHelpButton = 1025;
    static constexpr int kIdKeyboardToggle = 1100;

    // Tells the keyboard layout in use, as ActiveKeyboardLayout does.
    using LayoutSource = std::function<std::optional<std::string>()>;

    explicit CExerciseDlg(CExerciseSession& session, ExerciseSurroundings surroundings = {},
                          QWidget* parent = nullptr,
                          LayoutSource activeLayout = &ActiveKeyboardLayout);

    void SetLines(const StringList& lines);
    int exec() override;

    // "Koniec testu" before the text is done, and Escape or the close box
    // once anything is typed, ask first: a slip must not end or lose a run.
    void accept() override;
    void reject() override;

    // After a pass the result window offers the next lesson; whether the
    // pupil took it.
    void OfferNextLesson() { m_nextLessonOffered = true; }
    bool NextLessonAsked() const { return m_nextLessonAsked; }

    // With the teaching aids shown, the result window tells what the run
    // makes of the pupil's keys, measured before it as before: after a
    // practice of practised, each key's errors before and in this run;
    // after any other run, the keys that need practice, with a button to
    // practise them.
    void SetKeyStats(CKeyStats before, std::vector<WeakKey> practised = {});
    bool PracticeAsked() const { return m_practiceAsked; }

    // A timed test: the time left shows beside the window's own controls,
    // and when it is up the window ends the run itself, without asking.
    void SetTimeLimit(int seconds);
    bool TimeRanOut() const { return m_timeRanOut; }
    // A test without teaching aids: the keyboard stays hidden and F2 does
    // nothing, while the pupil's kept choice stays as it was.
    void KeepAidsOff();
    // The window runs a test: its result window adds the run's mark, and
    // Escape or the close box end the run as "Koniec testu" does, since an
    // attempt counts from its start and its run is never dropped.
    using MarkOfRun = std::function<int(const StatRecord& run)>;
    void TakeAsTest(MarkOfRun markOf) { m_markOf = std::move(markOf); }

    // The 100 ms tick: status texts, and the result window on the first
    // tick that sees the last line done.
    void Tick();

    // Shows or hides the on-screen keyboard, as "Klawiatura" and F2 do, and
    // keeps the choice for the next exercise.
    void ShowKeyboard(bool shown);
    bool IsKeyboardShown() const;
    const CKeyboardPanel& Keyboard() const { return *m_keyboard; }
    const QLabel& CapsLockBar() const { return *m_capsLockBar; }

private:
    void OnHelp();
    void ShowStatus(double ms, double charsPerMinute);
    void Finish();
    void OfferPracticeAfterRun(CResultDlg& result, const std::vector<KeyPress>& run) const;
    void PlaceKeyboard();
    // Shows or hides the keyboard without keeping the choice.
    void ApplyKeyboardShown(bool shown);
    void ShowCapsLock(bool on);
    void ShowTimeLeft();
    bool TimeIsUp() const;

    CExerciseSession& m_session;
    ExerciseSurroundings m_surroundings;
    CTypingEdit* m_typing;
    CProgressBar* m_progress;
    QLabel* m_time;
    QLabel* m_speed;
    QLabel* m_errors;
    CKeyboardPanel* m_keyboard;
    QCheckBox* m_keyboardToggle = nullptr;
    QLabel* m_capsLockBar = nullptr;
    bool m_capsLockOn = false;
    QSize m_sizeWithoutKeyboard;
    QSize m_sizeWithKeyboard;
    bool m_keyboardFits = false;
    QTimer m_timer;
    QTimer m_keyboardFollow;
    struct FollowedKey {
        std::optional<char> expected;
        char typed = 0;
    } m_followedKey;
    LayoutSource m_activeLayout;
    std::optional<std::string> m_layoutWarning;
    bool m_nextLessonOffered = false;
    bool m_nextLessonAsked = false;
    std::optional<CKeyStats> m_keyStats;
    std::vector<WeakKey> m_practised;
    bool m_practiceAsked = false;
    QShortcut* m_aidsShortcut = nullptr;
    bool m_aidsKeptOff = false;
    std::optional<int> m_timeLimitSeconds;
    QLabel* m_timeLeft = nullptr;
    bool m_timeRanOut = false;
    MarkOfRun m_markOf;
};
