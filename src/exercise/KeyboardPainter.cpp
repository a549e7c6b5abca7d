// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercise/KeyboardPainter.h"

#include "keyboard/Chord.h"
#include "keyboard/FingerColour.h"
#include "keyboard/PolishKeyboard.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr int kGap = 2;
constexpr double kLitFrame = 3;
constexpr double kLitFramesPerKey = 10;
constexpr double kLabelShare = 0.4;      // of a row's height
const QColor kKeyEdge{150, 150, 170};
const QColor kLabel{20, 20, 100};
const QColor kPolishLabel{160, 0, 0};
const QColor kWarnedColour{200, 0, 0};
const QColor kWarnedVeil{220, 0, 0, 60};

QColor FillOf(int key, const KeyboardLook& look) {
    if (look.heat.empty())
        return FingerColour(PolishKeyboard()[key].finger);
    const double heat = look.heat[key];
    return QColor::fromRgbF(1.0, 1.0 - 0.75 * heat, 1.0 - 0.75 * heat);
}

QString Sign(char32_t codePoint) {
    return codePoint ? QString::fromUcs4(&codePoint, 1) : QString();
}

// A lit key's frame: thick on a big key, thinner on a small one, so that the
// finger's colour always fills most of the key.
double LitFrameOf(const QRect& key) {
    return std::clamp(key.height() / kLitFramesPerKey, 1.5, kLitFrame);
}

void PaintLabels(QPainter& painter, const QRect& rect, int index) {
    const KeyCap& key = PolishKeyboard()[index];
    const QRect inner = rect.adjusted(3, 1, -3, -1);
    painter.setPen(kLabel);
    if (*key.name) {
        // Right Alt wears the short name printed on keyboards.
        const QString name =
            index == RightAltKey() ? QStringLiteral("AltGr") : QString::fromUtf8(key.name);
        painter.drawText(inner, Qt::AlignLeft | Qt::AlignVCenter, name);
    } else if (IsLetterKey(key)) {
        painter.drawText(inner, Qt::AlignLeft | Qt::AlignTop, Sign(key.levels[1]));
    } else if (inner.height() < 2 * painter.fontMetrics().height()) {
        // A low key has room for its plain sign only.
        painter.drawText(inner, Qt::AlignLeft | Qt::AlignVCenter, Sign(key.levels[0]));
    } else {
        painter.drawText(inner, Qt::AlignLeft | Qt::AlignTop, Sign(key.levels[1]));
        painter.drawText(inner, Qt::AlignLeft | Qt::AlignBottom, Sign(key.levels[0]));
    }
    if (const char32_t polish = PolishLetterOf(key)) {
        painter.setPen(kPolishLabel);
        painter.drawText(inner, Qt::AlignRight | Qt::AlignBottom, Sign(polish));
    }
}

void PaintKey(QPainter& painter, const QRect& area, int index, const KeyboardLook& look) {
    const KeyCap& key = PolishKeyboard()[index];
    const QRect rect = KeyRectIn(area, index);
    const bool lit = !look.lit.empty() && look.lit[index];
    // A lit key keeps its finger's colour inside a frame; the finger's name
    // is in the line under the keyboard. Every key's edge lies inside its
    // rectangle, which is all that a key lit or put out again paints.
    const QPen edge = lit ? QPen(kLitColour, LitFrameOf(rect)) : QPen(kKeyEdge, 1);
    const double inset = edge.widthF() / 2;
    painter.setPen(edge);
    painter.setBrush(FillOf(index, look));
    painter.drawRoundedRect(QRectF(rect).adjusted(inset, inset, -inset, -inset), 3, 3);
    PaintLabels(painter, rect, index);
    if (key.homeBump) {
        painter.setPen(QPen(kLabel, 2));
        const int y = rect.bottom() - rect.height() / 5;
        painter.drawLine(rect.center().x() - rect.width() / 6, y,
                         rect.center().x() + rect.width() / 6, y);
    }
}

} // namespace

QColor FingerColour(Finger finger) {
    const Rgb tint = FingerTint(finger);
    return {tint.red, tint.green, tint.blue};
}

QRect KeyRectIn(const QRect& area, int index) {
    const KeyCap& key = PolishKeyboard()[index];
    const double unit = area.width() / kKeyboardWidthInKeys;
    const double rowHeight = static_cast<double>(area.height()) / kKeyboardRows;
    const QRectF rect(area.left() + key.x * unit, area.top() + key.row * rowHeight,
                      key.width * unit, key.rows * rowHeight);
    return rect.toAlignedRect().adjusted(kGap / 2, kGap / 2, -kGap / 2, -kGap / 2);
}

void PaintKeyboard(QPainter& painter, const QRect& area, const KeyboardLook& look) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font = painter.font();
    font.setPixelSize(std::max(6, static_cast<int>(area.height() / kKeyboardRows * kLabelShare)));
    painter.setFont(font);
    for (int key = 0; key < static_cast<int>(PolishKeyboard().size()); ++key)
        PaintKey(painter, area, key, look);
    painter.restore();
}

void PaintWarnedKey(QPainter& painter, const QRect& key) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double frame = LitFrameOf(key);
    painter.setPen(QPen(kWarnedColour, frame, Qt::DashLine));
    painter.setBrush(kWarnedVeil);
    const double inset = frame / 2;
    painter.drawRoundedRect(QRectF(key).adjusted(inset, inset, -inset, -inset), 3, 3);
    painter.restore();
}

std::vector<double> KeyHeat(const CharErrorArray& errors) {
    std::vector<double> heat(PolishKeyboard().size(), 0.0);
    for (const CharErrorCount& error : errors)
        if (const std::optional<Chord> chord = ChordOf(error.ch); chord && error.count > 0)
            heat[chord->key] += error.count;
    const double most = *std::max_element(heat.begin(), heat.end());
    for (double& share : heat)
        share = most > 0 ? share / most : 0.0;
    return heat;
}
