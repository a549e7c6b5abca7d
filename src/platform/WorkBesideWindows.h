// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <functional>

// Does work that may wait on a slow or busy share (storing a run) on a
// thread of its own, while the program's windows go on drawing themselves;
// what the user types or clicks meanwhile waits until the work is done, so
// nothing starts in the middle of it. After a moment a small window says
// what is being done (doing, in Polish). Returns when the work is done;
// work must not throw.
void WorkBesideWindows(const QString& doing, const std::function<void()>& work);
