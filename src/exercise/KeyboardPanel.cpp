// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercise/KeyboardPanel.h"

#include "exercise/HandsView.h"
#include "exercise/KeyboardView.h"
#include "exercise/TypingModel.h"
#include "exercise/WidgetPictures.h"
#include "keyboard/Chord.h"
#include "keyboard/LayoutCheck.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QStaticText>
#include <QStringList>
#include <QVBoxLayout>

// One line of text that only repaints itself when it changes: unlike a
// label, a new text never lays the window out again, and the few texts a
// lesson needs are drawn once each.
class CKeyboardPanel::TextLine : public QWidget {
    Q_OBJECT

public:
    TextLine() : m_pictures(kMostTextsKept) {
        setFixedHeight(fontMetrics().height() + 4);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    void SetText(const QString& text) {
        if (text == m_text)
            return;
        m_text = text;
        update();
    }
    const QString& Text() const { return m_text; }

protected:
    void paintEvent(QPaintEvent*) override {
        const QPixmap picture = m_pictures.Of(*this, m_text, [this](QPainter& painter) {
            QStaticText text(m_text);
            text.prepare(QTransform(), font());
            painter.setPen(palette().color(QPalette::WindowText));
            const int top = (height() - static_cast<int>(text.size().height())) / 2;
            painter.drawStaticText(0, top, text);
        });
        QPainter(this).drawPixmap(0, 0, picture);
    }

private:
    static constexpr qsizetype kMostTextsKept = 256;

    QString m_text;
    WidgetPictures<QString> m_pictures;
};

namespace {

// The keyboard takes this many shares of the width for the hands' one.
constexpr int kKeyboardStretch = 4;
constexpr int kHandsStretch = 1;
const QColor kWarning{170, 0, 0};

} // namespace

CKeyboardPanel::CKeyboardPanel(QWidget* parent)
    : QWidget(parent), m_view(new CKeyboardView), m_hands(new CHandsView), m_warning(new TextLine),
      m_line(new TextLine) {
    QPalette warning = m_warning->palette();
    warning.setColor(QPalette::WindowText, kWarning);
    m_warning->setPalette(warning);
    auto* keys = new QHBoxLayout;
    keys->addWidget(m_view, kKeyboardStretch);
    keys->addWidget(m_hands, kHandsStretch);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_warning);
    layout->addLayout(keys, 1);
    layout->addWidget(m_line);
}

void CKeyboardPanel::Follow(const CTypingModel& typing, std::optional<char> expected, char typed) {
    if (expected && typed != *expected) {
        if (const std::optional<std::string> hint = PolishLetterHint(*expected, typed)) {
            m_hint = QString::fromStdString(*hint);
            m_hintLine = typing.CaretLine();
            m_hintColumn = typing.CaretColumn();
        }
    }
    if (typing.CaretLine() != m_hintLine || typing.CaretColumn() != m_hintColumn)
        m_hint.clear();
    const std::optional<char> next = typing.ExpectedChar();
    static const NextKey kNothing;
    const NextKey& nextKey = next ? NextKeyOf(*next) : kNothing;
    m_view->Light(nextKey.chord);
    m_hands->Light(nextKey.chord);
    m_line->SetText(m_hint.isEmpty() ? nextKey.text : m_hint);
}

const CKeyboardPanel::NextKey& CKeyboardPanel::NextKeyOf(char ch) {
    std::optional<NextKey>& known = m_nextKeys[static_cast<unsigned char>(ch)];
    if (!known) {
        const std::optional<Chord> chord = ChordOf(ch);
        known = NextKey{chord, QString::fromStdString(NextKeyText(ch, chord))};
    }
    return *known;
}

void CKeyboardPanel::ShowCapsLock(bool on) {
    m_view->MarkCapsLock(on);
}

void CKeyboardPanel::ShowLayoutWarning(bool shown) {
    m_warning->SetText(shown ? QString::fromUtf8(kPolishLayoutWarning) : QString());
}

QString CKeyboardPanel::ChordLine() const {
    return m_line->Text();
}

QString CKeyboardPanel::WarningLine() const {
    return m_warning->Text();
}

#include "KeyboardPanel.moc"
