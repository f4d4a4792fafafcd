// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "ExitPolicy.h"

#include <CUPSService.h>

#include <QCoreApplication>
#include <QList>

namespace {

QList<QFuture<void>> &runningMoves()
{
    static QList<QFuture<void>> moves;
    moves.removeIf([](const QFuture<void> &move) { return move.isFinished(); });
    return moves;
}

} // namespace

void ExitPolicy::trackMove(const QFuture<void> &move)
{
    runningMoves().append(move);
}

QFuture<void> ExitPolicy::whenMovesFinished()
{
    QList<QFuture<void>> moves = runningMoves();
    if (moves.isEmpty())
        return QtFuture::makeReadyFuture();
    return QtFuture::whenAll(moves.begin(), moves.end()).then([](const QList<QFuture<void>> &) {});
}

void ExitPolicy::lastWindowClosed()
{
    QCoreApplication *app = QCoreApplication::instance();
    whenMovesFinished().then(app, [] { QCoreApplication::quit(); });
}

void ExitPolicy::eventLoopEnded()
{
    CUPSService::abandonPendingRuns();
    // Killed, the tools end at once; the pool's threads are done before the
    // application object they report to goes. Requests to the scheduler run
    // on threads of their own that nothing waits for.
    CUPSService::threadPool()->waitForDone(2000);
}
