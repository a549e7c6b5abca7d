// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/ProgramFolders.h"

// Stores what waits in the outbox: the runs into the pupils' stat.dat, then
// the tests' results into the class folder. How many runs and results were
// stored.
int DeliverWaitingResults(const ProgramFolders& folders);
