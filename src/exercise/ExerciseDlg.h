#pragma once

#include "exercise/TypingModel.h"
#include "lessons/StringList.h"

#include <QDialog>
#include <QTimer>

class CProgressBar;
class CTypingEdit;
class QLabel;

// The window in which one lesson is typed. It shows the time, speed, errors
// and progress ten times a second and, once the last line is done, the grade
// in a result window; then it closes with Accepted. "Koniec testu" also
// accepts, at any moment; closing it any other way rejects.
//
// The run's figures stay readable through Typing() after exec() returns.
class CExerciseDlg : public QDialog {
public:
    explicit CExerciseDlg(QWidget* parent = nullptr);

    void SetLines(const StringList& lines);
    int exec() override;

    const CTypingModel& Typing() const;

private:
    void OnTimer();
    void ShowStatus(double ms, double charsPerMinute);
    void Finish(double ms, double charsPerMinute);

    CTypingEdit* m_typing;
    CProgressBar* m_progress;
    QLabel* m_time;
    QLabel* m_speed;
    QLabel* m_errors;
    QTimer m_timer;
    bool m_emptyLesson = true;
};
