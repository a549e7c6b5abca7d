// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/WaitingResults.h"

#include "classtests/WaitingTestResults.h"
#include "pupils/Outbox.h"

int DeliverWaitingResults(const ProgramFolders& folders) {
    const OutboxDelivery runs = DeliverOutbox(folders.outbox, folders.pupils);
    return runs.delivered + DeliverWaitingTestResults(folders.outbox, folders.pupils);
}
