// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lessons/WordList.h"

#include "platform/BinaryFile.h"
#include "platform/Cp1250.h"
#include "platform/FileError.h"

#include <map>
#include <memory>
#include <sstream>

namespace {

constexpr size_t kMostWordListBytes = 4u << 20;

std::vector<std::string> ReadWords(const std::string& path) {
    std::vector<std::string> words;
    std::string bytes;
    try {
        bytes = ReadBinaryFile(path, kMostWordListBytes);
    } catch (const FileError&) {
        return words;
    }
    std::istringstream lines(bytes);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const std::string word = Utf8ToCp1250(line);
        if (!word.empty() && word.find_first_of("? \t") == std::string::npos)
            words.push_back(word);
    }
    return words;
}

} // namespace

CWordList::CWordList(std::vector<std::string> words) : m_words(std::move(words)) {
    for (uint32_t index = 0; index < m_words.size(); ++index) {
        std::array<bool, 256> seen{};
        for (const char ch : m_words[index]) {
            const auto byte = static_cast<unsigned char>(ch);
            if (!seen[byte])
                m_byCharacter[byte].push_back(index);
            seen[byte] = true;
        }
    }
}

const CWordList& SchoolWordList(const ProgramFolders& folders) {
    const std::string path = folders.program + "/slowa.txt";
    static std::map<std::string, std::unique_ptr<CWordList>> lists;
    std::unique_ptr<CWordList>& list = lists[path];
    if (!list)
        list = std::make_unique<CWordList>(ReadWords(path));
    return *list;
}
