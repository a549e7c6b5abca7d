// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "keyboard/FingerChart.h"

#include "keyboard/FingerColour.h"
#include "keyboard/PolishKeyboard.h"
#include "platform/Cp1250.h"

#include <array>
#include <cmath>
#include <cstdio>

namespace {

// Picture units; the page scales the picture down to its width.
constexpr int kKeyPitch = 60;
constexpr int kKeyGap = 4;
constexpr int kMargin = 10;
constexpr int kSignSize = 18;
constexpr int kNameSize = 13;
constexpr int kLegendTop = kMargin + kKeyboardRows * kKeyPitch + 20;
constexpr int kLegendLineHeight = 30;
constexpr int kLegendColumnWidth = 300;
constexpr int kLegendLines = 5;
constexpr int kSwatchWidth = 24;
constexpr int kSwatchHeight = 20;
constexpr int kWidth = 2 * kMargin + static_cast<int>(kKeyboardWidthInKeys) * kKeyPitch;
constexpr int kHeight = kLegendTop + kLegendLines * kLegendLineHeight + kMargin;

struct Paint {
    const char* colour;
    bool bold;
};

// The colours of the on-screen keyboard; the Polish letters stand out.
constexpr Paint kLabel{"#141464", false};
constexpr Paint kPolishLetter{"#a00000", true};
constexpr const char* kEdgeColour = "#9696aa";

constexpr int kShiftLevel = 1;

// The fingers in the legend's columns: the left hand, the right hand, and the
// space bar's thumb of either hand above the marks.
constexpr std::array<Finger, kLegendLines> kLeftHand{
    Finger::LeftLittle, Finger::LeftRing, Finger::LeftMiddle, Finger::LeftIndex, Finger::LeftThumb};
constexpr std::array<Finger, kLegendLines> kRightHand{Finger::RightLittle, Finger::RightRing,
                                                      Finger::RightMiddle, Finger::RightIndex,
                                                      Finger::RightThumb};

struct Box {
    int x, y, width, height;
};

std::string Number(double value) {
    return std::to_string(static_cast<int>(std::lround(value)));
}

std::string Hex(Rgb colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.red, colour.green, colour.blue);
    return text;
}

std::string Escaped(std::string_view text) {
    std::string escaped;
    for (const char ch : text) {
        switch (ch) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        default:
            escaped += ch;
        }
    }
    return escaped;
}

std::string Sign(char32_t codePoint) {
    return codePoint ? Cp1250ToUtf8(std::string(1, Cp1250FromUnicode(codePoint))) : "";
}

std::string Rect(const Box& box, const std::string& fill, const char* edge, int edgeWidth) {
    return "<rect x=\"" + Number(box.x) + "\" y=\"" + Number(box.y) + "\" width=\"" +
           Number(box.width) + "\" height=\"" + Number(box.height) + "\" rx=\"5\" fill=\"" + fill +
           "\" stroke=\"" + edge + "\" stroke-width=\"" + Number(edgeWidth) + "\"/>\n";
}

// anchor is the SVG text-anchor: "start", "middle" or "end".
std::string Text(double x, double y, int size, Paint paint, const char* anchor,
                 std::string_view text) {
    if (text.empty())
        return "";
    return "<text x=\"" + Number(x) + "\" y=\"" + Number(y) + "\" font-size=\"" + Number(size) +
           "\" fill=\"" + paint.colour + (paint.bold ? "\" font-weight=\"bold" : "") +
           "\" text-anchor=\"" + anchor + "\">" + Escaped(text) + "</text>\n";
}

std::string Line(double x1, double x2, double y) {
    return "<line x1=\"" + Number(x1) + "\" y1=\"" + Number(y) + "\" x2=\"" + Number(x2) +
           "\" y2=\"" + Number(y) + "\" stroke=\"" + kLabel.colour +
           "\" stroke-width=\"3\" stroke-linecap=\"round\"/>\n";
}

Box KeyBox(const KeyCap& key) {
    return {kMargin + static_cast<int>(key.x * kKeyPitch) + kKeyGap / 2,
            kMargin + key.row * kKeyPitch + kKeyGap / 2,
            static_cast<int>(key.width * kKeyPitch) - kKeyGap, key.rows * kKeyPitch - kKeyGap};
}

const KeyCap& BumpKeyOfHand(bool leftHand) {
    for (const KeyCap& key : PolishKeyboard())
        if (key.homeBump && IsLeftHand(key.finger) == leftHand)
            return key;
    return PolishKeyboard().front();
}

// A finger rests, in the bumps' row, on its key nearest its hand's bump.
bool IsHomeKey(const KeyCap& key) {
    const KeyCap& bump = BumpKeyOfHand(IsLeftHand(key.finger));
    if (key.row != bump.row || key.finger == Finger::None)
        return false;
    for (const KeyCap& other : PolishKeyboard())
        if (other.row == key.row && other.finger == key.finger &&
            std::abs(other.x - bump.x) < std::abs(key.x - bump.x))
            return false;
    return true;
}

std::string KeyLabels(const KeyCap& key, bool isRightAlt, const Box& box) {
    const double left = box.x + 7;
    const double top = box.y + 22;
    const double bottom = box.y + box.height - 9;
    if (*key.name) {
        // Right Alt wears the short name printed on keyboards.
        const std::string_view name = isRightAlt ? "AltGr" : key.name;
        return Text(box.x + 6, box.y + box.height / 2.0 + 5, kNameSize, kLabel, "start", name);
    }
    std::string labels = Text(left, top, kSignSize, kLabel, "start", Sign(key.levels[kShiftLevel]));
    if (!IsLetterKey(key))
        labels += Text(left, bottom, kSignSize, kLabel, "start", Sign(key.levels[0]));
    labels += Text(box.x + box.width - 7, bottom, kSignSize, kPolishLetter, "end",
                   Sign(PolishLetterOf(key)));
    return labels;
}

std::string BumpMark(const Box& box) {
    const double middle = box.x + box.width / 2.0;
    return Line(middle - box.width / 6.0, middle + box.width / 6.0, box.y + box.height * 0.8);
}

std::string DrawKey(int index) {
    const KeyCap& key = PolishKeyboard()[index];
    const Box box = KeyBox(key);
    const bool home = IsHomeKey(key);
    std::string svg =
        Rect(box, Hex(FingerTint(key.finger)), home ? kLabel.colour : kEdgeColour, home ? 3 : 1);
    svg += KeyLabels(key, index == RightAltKey(), box);
    if (key.homeBump)
        svg += BumpMark(box);
    return svg;
}

// One line of the legend: a small mark and what it means.
class LegendLine {
public:
    LegendLine(int column, int line)
        : m_swatch{kMargin + column * kLegendColumnWidth, kLegendTop + line * kLegendLineHeight,
                   kSwatchWidth, kSwatchHeight} {}

    const Box& Swatch() const { return m_swatch; }

    std::string Explained(const std::string& mark, std::string_view meaning) const {
        return mark + Text(m_swatch.x + kSwatchWidth + 8, m_swatch.y + kSwatchHeight - 5, kSignSize,
                           kLabel, "start", meaning);
    }

private:
    Box m_swatch;
};

std::string FingerLegend(int column, int line, Finger finger) {
    const LegendLine legend(column, line);
    return legend.Explained(Rect(legend.Swatch(), Hex(FingerTint(finger)), kEdgeColour, 1),
                            FingerName(finger));
}

std::string Legend() {
    std::string svg;
    for (int line = 0; line < kLegendLines; ++line) {
        svg += FingerLegend(0, line, kLeftHand[line]);
        svg += FingerLegend(1, line, kRightHand[line]);
    }
    svg += FingerLegend(2, 0, Finger::Thumb);

    const LegendLine home(2, 1);
    svg += home.Explained(Rect(home.Swatch(), "#ffffff", kLabel.colour, 3), "rząd wyjściowy");
    const LegendLine polish(2, 2);
    const Box& letter = polish.Swatch();
    svg += polish.Explained(Text(letter.x + letter.width / 2.0, letter.y + letter.height - 3,
                                 kSignSize, kPolishLetter, "middle", "ą"),
                            "polska litera z prawym Altem");
    const LegendLine bump(2, 3);
    svg += bump.Explained(Rect(bump.Swatch(), "#ffffff", kEdgeColour, 1) + BumpMark(bump.Swatch()),
                          "wypukłość na klawiszu");
    return svg;
}

} // namespace

std::string FingerChartSvg() {
    std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 " + Number(kWidth) +
                      " " + Number(kHeight) + "\" width=\"" + Number(kWidth) + "\" height=\"" +
                      Number(kHeight) +
                      "\" style=\"max-width: 100%; height: auto\" font-family=\"sans-serif\" "
                      "role=\"img\" aria-label=\"Klawiatura z klawiszami w kolorach palców\">\n";
    for (int key = 0; key < static_cast<int>(PolishKeyboard().size()); ++key)
        svg += DrawKey(key);
    return svg + Legend() + "</svg>\n";
}

std::optional<std::string> WithFingerChart(std::string_view page) {
    const size_t start = page.find(kFingerChartStart);
    if (start == std::string_view::npos)
        return std::nullopt;
    const size_t chart = start + kFingerChartStart.size();
    const size_t end = page.find(kFingerChartEnd, chart);
    if (end == std::string_view::npos)
        return std::nullopt;
    return std::string(page.substr(0, chart)) + "\n" + FingerChartSvg() +
           std::string(page.substr(end));
}
