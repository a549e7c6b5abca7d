// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pupils/NewPupil.h"

#include "platform/Cp1250.h"
#include "pupils/PupilFolders.h"
#include "pupils/PupilRegistry.h"

#include <algorithm>
#include <string_view>

namespace {

// The longest name a folder can have on the usual file systems, in bytes.
constexpr size_t kLongestFolderName = 255;
// Characters no folder name may hold on the systems whose disks a school may
// share the data folder with.
constexpr std::string_view kForbiddenCharacters = "/\\:*?\"<>|";

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Characters that take no room on the screen: spaces of both kinds and
// the soft hyphen (Windows-1250 codes).
constexpr std::string_view kInvisibleCharacters = " \xA0\xAD";

// The name is checked in Windows-1250, where every character is one byte.
bool HasForbiddenCharacter(const std::string& cp1250Name) {
    return std::any_of(cp1250Name.begin(), cp1250Name.end(), [](char c) {
        return IsControlCharacter(UnicodeFromCp1250(static_cast<unsigned char>(c))) ||
               kForbiddenCharacters.find(c) != std::string_view::npos;
    });
}

bool HasNothingVisible(const std::string& cp1250Name) {
    return cp1250Name.find_first_not_of(kInvisibleCharacters) == std::string::npos;
}

} // namespace

std::string PupilNameProblem(const std::string& name) {
    const std::string cp1250Name = Utf8ToCp1250(name);
    if (HasNothingVisible(cp1250Name))
        return "Nie podano imienia ucznia.";
    if (name == "." || name == "..")
        return "Imię ucznia nie może być samą kropką ani dwiema kropkami.";
    if (Cp1250ToUtf8(cp1250Name) != name)
        return "Imię ucznia zawiera znaki, których program nie potrafi zapisać.";
    if (HasForbiddenCharacter(cp1250Name))
        return "Imię ucznia nie może zawierać znaków / \\ : * ? \" < > | ani znaków sterujących.";
    if (name.size() > kLongestFolderName)
        return "Imię ucznia jest za długie.";
    if (EqualsIgnoringCase(cp1250Name, kClassTestsFolderName))
        return "Tak nazywa się folder sprawdzianów klasy; podaj inne imię.";
    return {};
}

namespace {

bool IsKnownPupil(const PupilsFolder& folder, const std::string& pupil) {
    StringList pupils;
    ListPupils(folder, pupils);
    return std::any_of(pupils.begin(), pupils.end(),
                       [&](const std::string& known) { return EqualsIgnoringCase(known, pupil); });
}

} // namespace

std::string AddNewPupil(const PupilsFolder& pupils, const std::string& typedName,
                        std::string* pupilMade) {
    const std::string name = Trimmed(typedName);
    if (std::string problem = PupilNameProblem(name); !problem.empty())
        return problem;
    const std::string pupil = Utf8ToCp1250(name);
    if (pupilMade)
        *pupilMade = pupil;
    if (IsKnownPupil(pupils, pupil))
        return {};
    MakePupilFolder(pupils, pupil);
    return {};
}
