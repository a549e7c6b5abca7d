#pragma once

#include <QDialog>

#include <string>

class QLabel;

// A headline with a text below it: the lesson's introduction before a run,
// the verdict and the run's figures after it. exec() is Accepted for OK.
class CResultDlg : public QDialog {
public:
    // Control ids.
    static constexpr int kIdDetails = 1019;
    static constexpr int kIdHeadline = 1020;

    explicit CResultDlg(QWidget* parent = nullptr);

    // Both texts are Windows-1250; the headline is also the window's title.
    void SetTexts(const std::string& details, const std::string& headline);

private:
    QLabel* m_details;
    QLabel* m_headline;
};
