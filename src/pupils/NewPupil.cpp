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

bool HasForbiddenCharacter(const std::string& name) {
    return std::any_of(name.begin(), name.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 || c == 0x7F ||
               kForbiddenCharacters.find(c) != std::string_view::npos;
    });
}

// Why the name cannot be a pupil's folder, or an empty text when it can.
std::string NameProblem(const std::string& name) {
    if (name.empty())
        return "Nie podano imienia ucznia.";
    if (name == "." || name == "..")
        return "Imię ucznia nie może być samą kropką ani dwiema kropkami.";
    if (HasForbiddenCharacter(name))
        return "Imię ucznia nie może zawierać znaków / \\ : * ? \" < > | ani znaków sterujących.";
    if (Cp1250ToUtf8(Utf8ToCp1250(name)) != name)
        return "Imię ucznia zawiera znaki, których program nie potrafi zapisać.";
    if (name.size() > kLongestFolderName)
        return "Imię ucznia jest za długie.";
    return {};
}

bool IsKnownPupil(const std::string& pupil) {
    StringList pupils;
    ListPupils(pupils);
    return std::any_of(pupils.begin(), pupils.end(),
                       [&](const std::string& known) { return EqualsIgnoringCase(known, pupil); });
}

} // namespace

std::string AddNewPupil(const std::string& typedName) {
    const std::string name = Trimmed(typedName);
    if (std::string problem = NameProblem(name); !problem.empty())
        return problem;
    const std::string pupil = Utf8ToCp1250(name);
    if (IsKnownPupil(pupil))
        return {};
    MakePupilFolder(pupil);
    return {};
}
