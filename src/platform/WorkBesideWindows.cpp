// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/WorkBesideWindows.h"

#include <QEventLoop>
#include <QProgressDialog>
#include <QThread>

#include <memory>

namespace {

// Work this quick is over before anyone would notice a window.
constexpr int kShownAfterMs = 300;

} // namespace

void WorkBesideWindows(const QString& doing, const std::function<void()>& work) {
    const std::unique_ptr<QThread> thread(QThread::create(work));
    QEventLoop waiting;
    QObject::connect(thread.get(), &QThread::finished, &waiting, &QEventLoop::quit);
    QProgressDialog shown(doing, QString(), 0, 0);
    shown.setWindowTitle(QStringLiteral("Tastrum"));
    shown.setCancelButton(nullptr);
    shown.setMinimumDuration(kShownAfterMs);
    shown.setWindowModality(Qt::ApplicationModal);
    shown.setValue(0);
    thread->start();
    waiting.exec(QEventLoop::ExcludeUserInputEvents);
    thread->wait();
}
