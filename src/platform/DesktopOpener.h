#pragma once

#include <functional>
#include <string>

// Opens a file with the desktop's default application, in the given working
// folder, without waiting. A missing file or application stays silent.
void OpenWithDesktop(const std::string& path, const std::string& workingFolder);

// Tests watch what would be opened instead of starting a viewer; an empty
// function restores the desktop.
using DesktopOpenerHook = std::function<void(const std::string& path, const std::string& folder)>;
void SetDesktopOpenerForTesting(DesktopOpenerHook hook);
