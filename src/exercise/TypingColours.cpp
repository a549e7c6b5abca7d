// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercise/TypingColours.h"

namespace {

const QColor kModelText{95, 95, 120};
const QColor kWrongText{200, 0, 0};
const QColor kWrongBackground{255, 220, 220};

const QTextCharFormat& ModelFormat() {
    static const QTextCharFormat format = [] {
        QTextCharFormat model;
        model.setForeground(kModelText);
        return model;
    }();
    return format;
}

const QTextCharFormat& WrongFormat() {
    static const QTextCharFormat format = [] {
        QTextCharFormat wrong;
        wrong.setForeground(kWrongText);
        wrong.setBackground(kWrongBackground);
        return wrong;
    }();
    return format;
}

} // namespace

// Model lines are the even lines, each followed by the pupil's line.
QList<QTextLayout::FormatRange> TypingColours(const CTypingModel& typing, int line) {
    const std::string& text = typing.Line(line);
    if (line % 2 == 0) {
        if (text.empty())
            return {};
        return {{0, static_cast<int>(text.size()), ModelFormat()}};
    }
    const std::string& model = typing.Line(line - 1);
    QList<QTextLayout::FormatRange> wrong;
    for (size_t column = 0; column < text.size(); ++column) {
        if (column < model.size() && text[column] == model[column])
            continue;
        const int at = static_cast<int>(column);
        if (!wrong.isEmpty() && wrong.back().start + wrong.back().length == at)
            ++wrong.back().length; // a run of wrong characters is one stretch of pink
        else
            wrong.append({at, 1, WrongFormat()});
    }
    return wrong;
}
