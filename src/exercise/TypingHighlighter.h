#pragma once

#include <QSyntaxHighlighter>

// Colours the typing field as the pupil reads it: model lines in a quiet
// colour, and in the pupil's lines every character that differs from the
// model above it in red on pink. Only the look changes; the text, the caret
// and the judgement stay the field's and the session's.
class CTypingHighlighter : public QSyntaxHighlighter {
    Q_OBJECT

public:
    explicit CTypingHighlighter(QTextDocument* document);

protected:
    void highlightBlock(const QString& text) override;
};
