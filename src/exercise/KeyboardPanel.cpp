#include "exercise/KeyboardPanel.h"

#include "exercise/KeyboardView.h"
#include "exercise/TypingModel.h"
#include "keyboard/Chord.h"

#include <QHash>
#include <QPainter>
#include <QStaticText>
#include <QVBoxLayout>

// One line of text that only repaints itself when it changes: unlike a
// label, a new text never lays the window out again, and the few texts a
// lesson needs are laid out once each.
class CKeyboardPanel::TextLine : public QWidget {
public:
    TextLine() {
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
        constexpr qsizetype kMostTextsKept = 256;
        if (m_laidOut.size() > kMostTextsKept)
            m_laidOut.clear();
        auto found = m_laidOut.find(m_text);
        if (found == m_laidOut.end()) {
            found = m_laidOut.insert(m_text, QStaticText(m_text));
            found->prepare(QTransform(), font());
        }
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Window));
        painter.setPen(palette().color(QPalette::WindowText));
        const int top = (height() - static_cast<int>(found->size().height())) / 2;
        painter.drawStaticText(0, top, *found);
    }

private:
    QString m_text;
    QHash<QString, QStaticText> m_laidOut;
};

CKeyboardPanel::CKeyboardPanel(QWidget* parent)
    : QWidget(parent), m_view(new CKeyboardView), m_line(new TextLine) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_line);
}

void CKeyboardPanel::Follow(const CTypingModel& typing, std::optional<char> expected, char typed) {
    if (typing.CaretLine() != m_hintLine)
        m_hint.clear();
    if (expected && typed != *expected) {
        if (const std::optional<std::string> hint = PolishLetterHint(*expected, typed)) {
            m_hint = QString::fromStdString(*hint);
            m_hintLine = typing.CaretLine();
        }
    }
    const std::optional<char> next = typing.ExpectedChar();
    const std::optional<Chord> chord = next ? ChordOf(*next) : std::nullopt;
    m_view->Light(chord);
    if (!m_hint.isEmpty())
        m_line->SetText(m_hint);
    else
        m_line->SetText(next ? QString::fromStdString(NextKeyText(*next, chord)) : QString());
}

QString CKeyboardPanel::ChordLine() const {
    return m_line->Text();
}
