// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/DialogTemplate.h"

#include "platform/SortedList.h"

#include "platform/Icons.h"
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QStyleOptionButton>

namespace {

constexpr int kIconPixels = 32;

// Dialog base units as the template's font gives them.
struct BaseUnits {
    int x, y;
};

BaseUnits BaseUnitsOf(const QFont& font) {
    const QFontMetrics metrics(font);
    const int sampleWidth = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(sampleWidth / 26 + 1) / 2, metrics.height()};
}

// A push button that always wears the default button's frame.
class DefaultLookButton : public QPushButton {
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    void initStyleOption(QStyleOptionButton* option) const override {
        QPushButton::initStyleOption(option);
        option->features |= QStyleOptionButton::DefaultButton;
    }
};

QPushButton* MakeButton(QDialog& dialog, QWidget& host, const ControlSpec& spec) {
    const QString text = QString::fromUtf8(spec.text);
    auto* button = spec.kind == ControlKind::DefaultLookButton ? new DefaultLookButton(text, &host)
                                                               : new QPushButton(text, &host);
    button->setDefault(spec.kind == ControlKind::DefaultButton);
    if (spec.id == kIdOk)
        QObject::connect(button, &QPushButton::clicked, &dialog, &QDialog::accept);
    if (spec.id == kIdCancel)
        QObject::connect(button, &QPushButton::clicked, &dialog, &QDialog::reject);
    return button;
}

QLabel* MakeLabel(QWidget& host, const ControlSpec& spec, Qt::Alignment alignment, bool wrap) {
    auto* label = new QLabel(QString::fromUtf8(spec.text), &host);
    label->setAlignment(alignment);
    label->setWordWrap(wrap);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QWidget* MakeControl(QDialog& dialog, QWidget& host, const ControlSpec& spec) {
    switch (spec.kind) {
    case ControlKind::PushButton:
    case ControlKind::DefaultButton:
    case ControlKind::DefaultLookButton:
        return MakeButton(dialog, host, spec);
    case ControlKind::Label:
        return MakeLabel(host, spec, Qt::AlignLeft | Qt::AlignTop, true);
    case ControlKind::CentredLabel:
        return MakeLabel(host, spec, Qt::AlignHCenter | Qt::AlignTop, true);
    case ControlKind::VCentredLabel:
        return MakeLabel(host, spec, Qt::AlignLeft | Qt::AlignVCenter, false);
    case ControlKind::ProgramIcon: {
        auto* label = new QLabel(&host);
        label->setPixmap(ProgramIcon().pixmap(kIconPixels));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    case ControlKind::GroupBox:
        return new QGroupBox(QString::fromUtf8(spec.text), &host);
    case ControlKind::ListBox:
        return new SortedListWidget(&host);
    case ControlKind::ComboBox:
        return new SortedComboBox(&host);
    case ControlKind::LineEdit:
        return new QLineEdit(&host);
    case ControlKind::CheckBox:
        return new QCheckBox(QString::fromUtf8(spec.text), &host);
    case ControlKind::Separator: {
        auto* line = new QFrame(&host);
        line->setFrameShape(QFrame::VLine);
        line->setFrameShadow(QFrame::Sunken);
        line->setEnabled(false);
        return line;
    }
    case ControlKind::Placeholder:
        break;
    }
    return nullptr;
}

QSize TemplateSize(const QFont& font, const DialogTemplate& dialogTemplate) {
    return DialogUnitsToPixels(font, 0, 0, dialogTemplate.width, dialogTemplate.height).size();
}

bool FitsInto(QSize size, QSize room) {
    return size.width() <= room.width() && size.height() <= room.height();
}

// The dialog font, made smaller step by step while the dialog would not fit
// the room, but never under the smallest readable height.
QFont FittingFont(const DialogTemplate& dialogTemplate, QSize room, const QDialog& dialog) {
    constexpr double kStepPoints = 0.5;
    constexpr double kSmallestPixels = 9; // in the screen's own pixels
    QFont font = DialogFont();
    double points = font.pointSizeF();
    const double pixelsPerPoint = dialog.logicalDpiY() / 72.0 * dialog.devicePixelRatioF();
    const auto pixels = [pixelsPerPoint](double pointSize) { return pointSize * pixelsPerPoint; };
    while (!FitsInto(TemplateSize(font, dialogTemplate), room) &&
           pixels(points - kStepPoints) >= kSmallestPixels) {
        points -= kStepPoints;
        font.setPointSizeF(points);
    }
    return font;
}

// A page of the given size that scrolls inside the dialog, for screens too
// small for the dialog even at its smallest font.
QWidget* AddScrollingPage(QDialog& dialog, QSize pageSize, QSize room) {
    auto* scroll = new QScrollArea(&dialog);
    scroll->setFrameShape(QFrame::NoFrame);
    // Tab goes from control to control as in the window that fits; the
    // scrolling frame is no stop of its own.
    scroll->setFocusPolicy(Qt::NoFocus);
    auto* page = new QWidget;
    page->setFixedSize(pageSize);
    scroll->setWidget(page);
    const QSize shown = pageSize.boundedTo(room);
    dialog.setFixedSize(shown);
    scroll->setGeometry(QRect(QPoint(0, 0), shown));
    return page;
}

} // namespace

QSize RoomForDialog(const QDialog& dialog) {
    const QStyle* style = dialog.style();
    const int border = style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
    const int titleBar = style->pixelMetric(QStyle::PM_TitleBarHeight);
    // Window managers and Wayland's decorations draw frames a pixel or two
    // apart from the style's own; the slack keeps a window whole on either.
    constexpr int kFrameSlack = 2;
    return dialog.screen()->availableGeometry().size() -
           QSize(2 * border + kFrameSlack, titleBar + 2 * border + kFrameSlack);
}

QFont DialogFont() {
    QFont font(QStringLiteral("Sans Serif"), 8);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QRect DialogUnitsToPixels(const QFont& font, int x, int y, int width, int height) {
    const BaseUnits base = BaseUnitsOf(font);
    return {x * base.x / 4, y * base.y / 8, width * base.x / 4, height * base.y / 8};
}

QWidget* DialogControls::operator[](int id) const {
    const auto found = m_byId.find(id);
    return found == m_byId.end() ? nullptr : found->second;
}

DialogControls BuildDialog(QDialog& dialog, const DialogTemplate& dialogTemplate,
                           const std::map<int, QWidget*>& supplied, int reservedBelow) {
    const QSize room = RoomForDialog(dialog) - QSize(0, reservedBelow);
    const QFont font = FittingFont(dialogTemplate, room, dialog);
    const QSize size = TemplateSize(font, dialogTemplate);
    dialog.setFont(font);
    dialog.setWindowTitle(QString::fromUtf8(dialogTemplate.title));
    QWidget* host = &dialog;
    if (FitsInto(size, room))
        dialog.setFixedSize(size);
    else
        host = AddScrollingPage(dialog, size, room);

    DialogControls controls;
    for (const ControlSpec& spec : dialogTemplate.controls) {
        QWidget* widget = nullptr;
        if (spec.kind == ControlKind::Placeholder) {
            widget = supplied.at(spec.id);
            widget->setParent(host);
        } else {
            widget = MakeControl(dialog, *host, spec);
        }
        widget->setGeometry(DialogUnitsToPixels(font, spec.x, spec.y, spec.width, spec.height));
        widget->setObjectName(ControlName(spec.id));
        if (spec.id != kNoId)
            controls.Add(spec.id, widget);
    }
    return controls;
}

QString ControlName(int id) {
    return QStringLiteral("control%1").arg(id);
}

#include "DialogTemplate.moc"
