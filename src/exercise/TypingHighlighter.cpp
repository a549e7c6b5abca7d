#include "exercise/TypingHighlighter.h"

#include <QTextBlock>

namespace {

const QColor kModelText{95, 95, 120};
const QColor kWrongText{200, 0, 0};
const QColor kWrongBackground{255, 220, 220};

QTextCharFormat ModelFormat() {
    QTextCharFormat format;
    format.setForeground(kModelText);
    return format;
}

QTextCharFormat WrongFormat() {
    QTextCharFormat format;
    format.setForeground(kWrongText);
    format.setBackground(kWrongBackground);
    return format;
}

} // namespace

CTypingHighlighter::CTypingHighlighter(QTextDocument* document) : QSyntaxHighlighter(document) {}

// Model lines are the even blocks, each followed by the pupil's line.
void CTypingHighlighter::highlightBlock(const QString& text) {
    const QTextBlock block = currentBlock();
    if (block.blockNumber() % 2 == 0) {
        setFormat(0, static_cast<int>(text.size()), ModelFormat());
        return;
    }
    const QString model = block.previous().text();
    for (qsizetype column = 0; column < text.size(); ++column)
        if (column >= model.size() || text[column] != model[column])
            setFormat(static_cast<int>(column), 1, WrongFormat());
}
