// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercise/ResultDlg.h"

#include "platform/DialogColours.h"
#include "platform/DialogTemplate.h"
#include "platform/HelpFile.h"
#include "platform/QtText.h"

#include <QLabel>
#include <QPushButton>
#include <QShortcut>

#include <algorithm>

namespace {

const QColor kHeadlineColour{20, 20, 100};
// The headline is half again the dialog font's size (12 points beside 8),
// also when a small screen gives the dialog a smaller font.
constexpr double kHeadlineScale = 1.5;
// "Następna lekcja" stands between the window's buttons, in dialog units.
constexpr int kNextLessonX = 115, kNextLessonY = 100, kNextLessonWidth = 105, kButtonHeight = 14;
constexpr int kNextStepMargin = 8; // pixels
constexpr int kNextStepLeastLines = 2;
constexpr int kPracticeWidth = 150;

const DialogTemplate kResultTemplate{
    "Information",
    282,
    121,
    {
        {CResultDlg::kIdHeadline, ControlKind::CentredLabel, 5, 10, 275, 30, "Static"},
        {CResultDlg::kIdDetails, ControlKind::CentredLabel, 5, 50, 270, 40, "Static"},
        {kIdOk, ControlKind::DefaultButton, 5, 100, 50, 14, "OK"},
        {kIdCancel, ControlKind::PushButton, 60, 100, 50, 14, "Anuluj"},
        {kIdHelp, ControlKind::DefaultLookButton, 225, 100, 50, 14, "&Pomoc"},
    },
};

QFont HeadlineFont(const QFont& dialogFont) {
    QFont headline = dialogFont;
    headline.setPointSizeF(dialogFont.pointSizeF() * kHeadlineScale);
    headline.setBold(true);
    headline.setUnderline(true);
    return headline;
}

void StyleHeadline(QLabel& headline, const QFont& dialogFont) {
    headline.setFont(HeadlineFont(dialogFont));
    QPalette palette = headline.palette();
    palette.setColor(QPalette::WindowText, kHeadlineColour);
    headline.setPalette(palette);
}

} // namespace

CResultDlg::CResultDlg(std::string programFolder, QWidget* parent) : QDialog(parent) {
    const DialogControls controls = BuildDialog(*this, kResultTemplate);
    ApplyDialogColours(*this);
    m_details = controls.Get<QLabel>(CResultDlg::kIdDetails);
    m_headline = controls.Get<QLabel>(CResultDlg::kIdHeadline);
    StyleHeadline(*m_headline, font());

    m_nextStep = new QLabel(this);
    m_nextStep->setWordWrap(true);
    m_nextStep->setAlignment(Qt::AlignCenter);
    m_nextStep->hide();
    m_nextLesson = new QPushButton(QStringLiteral("&Następna lekcja"), this);
    m_nextLesson->setAutoDefault(false);
    m_nextLesson->setGeometry(
        DialogUnitsToPixels(font(), kNextLessonX, kNextLessonY, kNextLessonWidth, kButtonHeight));
    m_nextLesson->hide();
    connect(m_nextLesson, &QPushButton::clicked, this, [this] {
        m_nextLessonAsked = true;
        accept();
    });

    const auto openHelp = [programFolder = std::move(programFolder)] {
        OpenHelpFile(programFolder);
    };
    connect(controls.Get<QPushButton>(kIdHelp), &QPushButton::clicked, this, openHelp);
    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this, openHelp);
    controls[kIdOk]->setFocus();
}

void CResultDlg::SetTexts(const std::string& details, const std::string& headline) {
    setWindowTitle(ToQString(headline));
    m_headline->setText(ToQString(headline));
    m_details->setText(ToQString(details));
}

void CResultDlg::SetNextStep(const std::string& text) {
    m_nextStep->setText(QString::fromStdString(text));
    if (!m_nextStep->isHidden())
        return;
    const QSize own = size();
    const int width = own.width() - 2 * kNextStepMargin;
    const int height = std::max(m_nextStep->fontMetrics().lineSpacing() * kNextStepLeastLines,
                                m_nextStep->heightForWidth(width));
    m_nextStep->setGeometry(kNextStepMargin, own.height(), width, height);
    setFixedSize(own.width(), own.height() + height + kNextStepMargin);
    m_nextStep->show();
}

void CResultDlg::OfferPractice(const std::string& label) {
    m_practice = new QPushButton(QString::fromStdString(label), this);
    m_practice->setAutoDefault(false);
    const QRect place = DialogUnitsToPixels(font(), 0, 0, kPracticeWidth, kButtonHeight);
    const QSize own = size();
    m_practice->setGeometry((own.width() - place.width()) / 2, own.height(), place.width(),
                            place.height());
    setFixedSize(own.width(), own.height() + place.height() + kNextStepMargin);
    m_practice->show();
    connect(m_practice, &QPushButton::clicked, this, [this] {
        m_practiceAsked = true;
        accept();
    });
}

void CResultDlg::OfferNextLesson() {
    m_nextLesson->show();
}
