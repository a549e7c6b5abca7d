#include "lessons/ImportText.h"

#include "lessons/TextFileReader.h"

#include <utility>

void LoadImportText(const std::string& path, StringList& lines) {
    const auto text = ReadTextFile(path);
    if (!text)
        return;
    // A text written on Linux holds no CR at all: there a LF ends the line.
    const char lineEnd = text->find('\r') == std::string::npos ? '\n' : '\r';
    std::string current;
    const auto endLine = [&] {
        if (!current.empty())
            lines.push_back(std::move(current));
        current.clear();
    };
    for (char c : *text) {
        if (c == lineEnd)
            endLine();
        else if (c != '\n')
            current += c;
    }
    endLine();
}
