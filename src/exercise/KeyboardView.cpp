#include "exercise/KeyboardView.h"

#include "keyboard/FingerColour.h"
#include "keyboard/PolishKeyboard.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int kGap = 2;
constexpr int kLitFrame = 3;
constexpr double kFingerNameShare = 0.9; // of the labels' size
constexpr double kLabelShare = 0.4; // of a row's height
const QColor kLitKey{255, 140, 0};
const QColor kLabel{20, 20, 100};
const QColor kPolishLabel{160, 0, 0};

QColor TintOf(Finger finger) {
    const Rgb tint = FingerTint(finger);
    return {tint.red, tint.green, tint.blue};
}

// The finger's name on a lit key, where no label stands: across the middle
// of a key of signs, along the bottom of a named key (its name sits in the
// middle of its left side).
void PaintFingerName(QPainter& painter, const QRect& key, const KeyCap& cap) {
    const Finger finger = cap.finger;
    painter.save();
    QFont small = painter.font();
    small.setPixelSize(std::max(5, static_cast<int>(small.pixelSize() * kFingerNameShare)));
    small.setBold(true);
    painter.setFont(small);
    painter.setPen(kLabel);
    const QRect bottom = key.adjusted(kLitFrame, 0, -kLitFrame, -kLitFrame);
    const QString name = painter.fontMetrics().elidedText(
        QString::fromStdString(FingerShortName(finger)), Qt::ElideRight, bottom.width());
    painter.drawText(bottom, *cap.name ? Qt::AlignHCenter | Qt::AlignBottom : Qt::AlignCenter, name);
    painter.restore();
}

QString Sign(char32_t codePoint) {
    return codePoint ? QString::fromUcs4(&codePoint, 1) : QString();
}

} // namespace

CKeyboardView::CKeyboardView(QWidget* parent)
    : QWidget(parent), m_lit(PolishKeyboard().size(), false) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CKeyboardView::Light(const std::optional<Chord>& chord) {
    m_chord = chord;
    ShowLit();
}

void CKeyboardView::LightCapsLock(bool on) {
    m_capsLock = on;
    ShowLit();
}

void CKeyboardView::ShowLit() {
    std::vector<bool> lit(m_lit.size(), false);
    if (m_chord)
        for (const int key : KeysOf(*m_chord))
            lit[key] = true;
    if (m_capsLock)
        lit[CapsLockKey()] = true;
    for (size_t key = 0; key < lit.size(); ++key)
        if (lit[key] != m_lit[key])
            update(KeyRect(static_cast<int>(key)));
    m_lit = std::move(lit);
}

void CKeyboardView::ShowHeat(const CharErrorArray& errors) {
    std::vector<double> heat(m_lit.size(), 0.0);
    for (const CharErrorCount& error : errors)
        if (const std::optional<Chord> chord = ChordOf(error.ch); chord && error.count > 0)
            heat[chord->key] += error.count;
    const double most = *std::max_element(heat.begin(), heat.end());
    for (double& share : heat)
        share = most > 0 ? share / most : 0.0;
    m_heat = std::move(heat);
    m_plainPicture = QPixmap();
    update();
}

QColor CKeyboardView::FillOf(int key) const {
    if (m_heat.empty())
        return TintOf(PolishKeyboard()[key].finger);
    const double heat = m_heat[key];
    return QColor::fromRgbF(1.0, 1.0 - 0.75 * heat, 1.0 - 0.75 * heat);
}

QRect CKeyboardView::KeyRect(int index) const {
    const KeyCap& key = PolishKeyboard()[index];
    const double unit = width() / kKeyboardWidthInKeys;
    const double rowHeight = static_cast<double>(height()) / kKeyboardRows;
    const QRectF area(key.x * unit, key.row * rowHeight, key.width * unit, key.rows * rowHeight);
    return area.toAlignedRect().adjusted(kGap / 2, kGap / 2, -kGap / 2, -kGap / 2);
}

// Each key is copied from one of two pictures of the whole keyboard, drawn
// once for the widget's size: every key plain, and every key lit.
void CKeyboardView::paintEvent(QPaintEvent* event) {
    if (m_plainPicture.size() != size()) {
        m_plainPicture = DrawKeyboard(false);
        m_litPicture = DrawKeyboard(true);
    }
    QPainter painter(this);
    painter.drawPixmap(event->rect(), m_plainPicture, event->rect());
    for (int key = 0; key < static_cast<int>(m_lit.size()); ++key) {
        const QRect rect = KeyRect(key);
        if (m_lit[key] && event->rect().intersects(rect))
            painter.drawPixmap(rect, m_litPicture, rect);
    }
}

QPixmap CKeyboardView::DrawKeyboard(bool lit) const {
    QPixmap picture(size());
    picture.fill(palette().color(QPalette::Window));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font = this->font();
    font.setPixelSize(std::max(6, static_cast<int>(height() / kKeyboardRows * kLabelShare)));
    painter.setFont(font);
    for (int key = 0; key < static_cast<int>(m_lit.size()); ++key)
        PaintKey(painter, key, lit);
    return picture;
}

void CKeyboardView::PaintKey(QPainter& painter, int index, bool lit) const {
    const KeyCap& key = PolishKeyboard()[index];
    const QRect rect = KeyRect(index);
    // A lit key keeps its finger's colour inside a thick frame.
    painter.setPen(lit ? QPen(kLitKey, kLitFrame) : QPen(QColor(150, 150, 170), 1));
    painter.setBrush(FillOf(index));
    painter.drawRoundedRect(lit ? rect.adjusted(1, 1, -1, -1) : rect, 3, 3);
    if (lit)
        PaintFingerName(painter, rect, key);

    const QRect inner = rect.adjusted(3, 1, -3, -1);
    painter.setPen(kLabel);
    if (*key.name) {
        // Right Alt wears the short name printed on keyboards.
        const QString name =
            index == RightAltKey() ? QStringLiteral("AltGr") : QString::fromUtf8(key.name);
        // A lit key's name moves up to leave the bottom to the finger.
        painter.drawText(inner, Qt::AlignLeft | (lit ? Qt::AlignTop : Qt::AlignVCenter), name);
    } else if (IsLetterKey(key)) {
        painter.drawText(inner, Qt::AlignLeft | Qt::AlignTop, Sign(key.levels[1]));
    } else if (inner.height() < 2 * painter.fontMetrics().height()) {
        // A low key has room for its plain sign only.
        painter.drawText(inner, Qt::AlignLeft | Qt::AlignVCenter, Sign(key.levels[0]));
    } else {
        painter.drawText(inner, Qt::AlignLeft | Qt::AlignTop, Sign(key.levels[1]));
        painter.drawText(inner, Qt::AlignLeft | Qt::AlignBottom, Sign(key.levels[0]));
    }
    if (key.levels[2]) {
        painter.setPen(kPolishLabel);
        painter.drawText(inner, Qt::AlignRight | Qt::AlignBottom, Sign(key.levels[2]));
    }
    if (key.homeBump) {
        painter.setPen(QPen(kLabel, 2));
        const int y = rect.bottom() - rect.height() / 5;
        painter.drawLine(rect.center().x() - rect.width() / 6, y,
                         rect.center().x() + rect.width() / 6, y);
    }
}
