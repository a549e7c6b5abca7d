// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Gives memory the program has freed back to the system, so that a window
// that held a long history leaves the program as small as before it. Call
// it once the window and all its children are gone. Only the GNU C library
// can do it; elsewhere it does nothing.
void ReturnFreedMemory();
