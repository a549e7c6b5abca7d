// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercise/TypingModel.h"

#include <algorithm>
#include <utility>

namespace {

// The view scrolls one line per Enter once the caret is further than this
// below the top line, so the lines still to come come into view.
constexpr int kScrollMargin = 8;

} // namespace

CTypingModel::CTypingModel(CStopwatch stopwatch) : m_stopwatch(std::move(stopwatch)) {}

void CTypingModel::SetModelText(const StringList& lines) {
    m_lines.clear();
    m_modelKeystrokes = 0;
    for (const std::string& line : lines) {
        m_lines.push_back(line);
        m_lines.emplace_back();
        m_modelKeystrokes += static_cast<int>(line.size());
    }
    if (lines.empty()) {
        m_lines.emplace_back();
        m_caretLine = 0;
        return;
    }
    m_modelKeystrokes += static_cast<int>(lines.size()) - 1;
    m_caretLine = 1;
}

std::string CTypingModel::Text() const {
    std::string text;
    for (size_t line = 0; line < m_lines.size(); ++line) {
        if (line > 0)
            text += "\r\n";
        text += m_lines[line];
    }
    return text;
}

std::optional<char> CTypingModel::ExpectedChar() const {
    if (m_finished)
        return std::nullopt;
    const std::string& model = m_lines[std::max(0, m_caretLine - 1)];
    const auto column = static_cast<size_t>(CaretColumn());
    return column < model.size() ? model[column] : kEnter;
}

int CTypingModel::LineLength(int line) const {
    return line < 0 ? 0 : static_cast<int>(m_lines[line].size());
}

TypingStep CTypingModel::OnChar(char ch, int firstVisibleLine) {
    // Once the last line is done the run's figures are final.
    if (m_finished)
        return {};
    if (!m_started) {
        m_stopwatch.Restart();
        m_started = true;
    }
    if (ch == kBackspace)
        return OnBackspace();
    if (ch == kEnter)
        return OnEnter(firstVisibleLine);
    return OnCharacter(ch);
}

TypingStep CTypingModel::OnBackspace() {
    std::string& line = m_lines[m_caretLine];
    if (line.empty())
        return {};
    line.pop_back();
    m_typed -= 1;
    return {.edit = TypingStep::Edit::DeleteBeforeCaret};
}

TypingStep CTypingModel::OnEnter(int firstVisibleLine) {
    if (LineLength(m_caretLine) < LineLength(m_caretLine - 1))
        return {.errorSound = true};
    if (m_caretLine < LineCount() - 1) {
        const bool scroll = m_caretLine - firstVisibleLine > kScrollMargin;
        m_caretLine += 2;
        m_correct += 1;
        m_typed += 1;
        return {.edit = TypingStep::Edit::MoveCaret, .scrollOneLine = scroll};
    }
    m_finished = true;
    m_stopwatch.Stop();
    return {};
}

TypingStep CTypingModel::OnCharacter(char ch) {
    const int column = CaretColumn();
    if (column >= LineLength(m_caretLine - 1)) {
        m_errors += 1;
        return {.errorSound = true};
    }
    const char expected = m_lines[m_caretLine - 1][column];
    m_lines[m_caretLine].push_back(ch);
    m_typed += 1;
    if (ch == expected) {
        m_correct += 1;
        return {.edit = TypingStep::Edit::InsertChar};
    }
    CountError(expected);
    return {.edit = TypingStep::Edit::InsertChar, .errorSound = true};
}

void CTypingModel::CountError(char expected) {
    m_errors += 1;
    const auto entry = std::find_if(m_charErrors.begin(), m_charErrors.end(),
                                    [&](const CharErrorCount& e) { return e.ch == expected; });
    if (entry != m_charErrors.end())
        entry->count += 1;
    else
        m_charErrors.push_back({expected, 1});
}
