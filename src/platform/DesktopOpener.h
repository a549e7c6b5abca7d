// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <string>

// Opens a file with the desktop's default application, in the given working
// folder, without waiting; a missing file or application stays silent. An
// empty opener opens nothing.
using DocumentOpener =
    std::function<void(const std::string& path, const std::string& workingFolder)>;
