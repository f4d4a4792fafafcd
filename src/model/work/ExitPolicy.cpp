// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "ExitPolicy.h"

#include <CUPSService.h>

#include <QCoreApplication>
#include <QList>

namespace {

QList<QFuture<void>> &runningWork()
{
    static QList<QFuture<void>> work;
    work.removeIf([](const QFuture<void> &piece) { return piece.isFinished(); });
    return work;
}

} // namespace

void ExitPolicy::trackWork(const QFuture<void> &work)
{
    runningWork().append(work);
}

QFuture<void> ExitPolicy::whenWorkFinished()
{
    QList<QFuture<void>> work = runningWork();
    if (work.isEmpty())
        return QtFuture::makeReadyFuture();
    return QtFuture::whenAll(work.begin(), work.end()).then([](const QList<QFuture<void>> &) {});
}

void ExitPolicy::lastWindowClosed()
{
    QCoreApplication *app = QCoreApplication::instance();
    whenWorkFinished().then(app, [] { QCoreApplication::quit(); });
}

void ExitPolicy::eventLoopEnded()
{
    CUPSService::abandonPendingRuns();
    // Killed, the tools end at once; the pool's threads are done before the
    // application object they report to goes. Requests to the scheduler run
    // on threads of their own that nothing waits for.
    CUPSService::threadPool()->waitForDone(2000);
}
