// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "exercise/Stopwatch.h"
#include "platform/StringList.h"
#include "pupils/CharErrorCount.h"

#include <optional>
#include <string>
#include <vector>

// What the typing field's view has to do after one key.
struct TypingStep {
    enum class Edit {
        None,
        InsertChar,        // insert the typed byte at the caret
        DeleteBeforeCaret, // remove the one byte before the caret
        MoveCaret,         // put the caret at the start of CaretLine()
    };
    Edit edit = Edit::None;
    bool scrollOneLine = false; // move the view down by one line
    bool errorSound = false;
};

// The typing field's text and judgement, byte by byte in Windows-1250.
//
// Each model line of the lesson is followed by an empty typing line on which
// the pupil copies it, so the model line of typing line L is L - 1. The caret
// only ever stands at the end of a typing line: typing moves it forward and
// Backspace back within that line, Enter takes it to the next typing line.
// Lines are kept apart, so judging a key costs the same on any lesson length.
class CTypingModel {
public:
    static constexpr char kBackspace = 8;
    static constexpr char kEnter = 13;

    explicit CTypingModel(CStopwatch stopwatch = {});

    void SetModelText(const StringList& lines);

    // Judges one typed byte. firstVisibleLine is the view's top line: the
    // view follows the caret down once it is more than a few lines below.
    TypingStep OnChar(char ch, int firstVisibleLine = 0);

    int LineCount() const { return static_cast<int>(m_lines.size()); }
    const std::string& Line(int line) const { return m_lines[line]; }
    // The whole text with CRLF line breaks, as the pupil sees it.
    std::string Text() const;
    int CaretLine() const { return m_caretLine; }
    int CaretColumn() const { return LineLength(m_caretLine); }
    // The character the pupil should type next: the model line's next one,
    // or kEnter at its end; nothing once the exercise is finished.
    std::optional<char> ExpectedChar() const;

    int ModelKeystrokes() const { return m_modelKeystrokes; }
    double Correct() const { return m_correct; }
    double Errors() const { return m_errors; }
    double Typed() const { return m_typed; }
    bool IsFinished() const { return m_finished; }
    bool IsStarted() const { return m_started; }
    const CStopwatch& Stopwatch() const { return m_stopwatch; }
    const CharErrorArray& CharErrors() const { return m_charErrors; }

private:
    // A line that does not exist (above the first) has length 0.
    int LineLength(int line) const;
    TypingStep OnBackspace();
    TypingStep OnEnter(int firstVisibleLine);
    TypingStep OnCharacter(char ch);
    void CountError(char expected);

    std::vector<std::string> m_lines{std::string()};
    int m_caretLine = 0;

    int m_modelKeystrokes = 0;
    CStopwatch m_stopwatch;
    CharErrorArray m_charErrors;
    double m_correct = 0;
    double m_errors = 0;
    double m_typed = 0;
    bool m_finished = false;
    bool m_started = false;
};
