#include "platform/DialogTemplate.h"

#include "platform/SortedList.h"

#include "platform/Icons.h"
#include <QComboBox>
#include <QDialog>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

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

QPushButton* MakeButton(QDialog& dialog, const ControlSpec& spec) {
    auto* button = new QPushButton(QString::fromUtf8(spec.text), &dialog);
    button->setDefault(spec.kind == ControlKind::DefaultButton);
    if (spec.id == kIdOk)
        QObject::connect(button, &QPushButton::clicked, &dialog, &QDialog::accept);
    if (spec.id == kIdCancel)
        QObject::connect(button, &QPushButton::clicked, &dialog, &QDialog::reject);
    return button;
}

QLabel* MakeLabel(QDialog& dialog, const ControlSpec& spec, Qt::Alignment alignment, bool wrap) {
    auto* label = new QLabel(QString::fromUtf8(spec.text), &dialog);
    label->setAlignment(alignment);
    label->setWordWrap(wrap);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QWidget* MakeControl(QDialog& dialog, const ControlSpec& spec) {
    switch (spec.kind) {
    case ControlKind::PushButton:
    case ControlKind::DefaultButton:
        return MakeButton(dialog, spec);
    case ControlKind::Label:
        return MakeLabel(dialog, spec, Qt::AlignLeft | Qt::AlignTop, true);
    case ControlKind::CentredLabel:
        return MakeLabel(dialog, spec, Qt::AlignHCenter | Qt::AlignTop, true);
    case ControlKind::VCentredLabel:
        return MakeLabel(dialog, spec, Qt::AlignLeft | Qt::AlignVCenter, false);
    case ControlKind::ProgramIcon: {
        auto* label = new QLabel(&dialog);
        label->setPixmap(ProgramIcon().pixmap(kIconPixels));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    case ControlKind::GroupBox:
        return new QGroupBox(QString::fromUtf8(spec.text), &dialog);
    case ControlKind::ListBox:
        return new SortedListWidget(&dialog);
    case ControlKind::ComboBox:
        return new SortedComboBox(&dialog);
    case ControlKind::LineEdit:
        return new QLineEdit(&dialog);
    case ControlKind::Separator: {
        auto* line = new QFrame(&dialog);
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

} // namespace

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
                           const std::map<int, QWidget*>& supplied) {
    const QFont font = DialogFont();
    dialog.setFont(font);
    dialog.setWindowTitle(QString::fromUtf8(dialogTemplate.title));
    dialog.setFixedSize(
        DialogUnitsToPixels(font, 0, 0, dialogTemplate.width, dialogTemplate.height).size());

    DialogControls controls;
    for (const ControlSpec& spec : dialogTemplate.controls) {
        QWidget* widget = nullptr;
        if (spec.kind == ControlKind::Placeholder) {
            widget = supplied.at(spec.id);
            widget->setParent(&dialog);
        } else {
            widget = MakeControl(dialog, spec);
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
