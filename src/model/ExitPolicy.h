// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include <QFuture>

// When the program may end, and what it leaves unfinished:
// a move the user confirmed is handed to CUPS job by job to its end, even
// after its window has closed, bounded only by the time limit of each lpmove;
// a reload is simply dropped; and a tool still running when the program ends
// is killed, so that no worker thread keeps the program alive.
//
// Keeps the moves of every model in the process. Call on the UI thread.
class ExitPolicy
{
public:
    // Called by the model for each move it starts; `move` finishes when the move has ended.
    static void trackMove(const QFuture<void> &move);
    // Finishes once every tracked move has ended.
    static QFuture<void> whenMovesFinished();

    // The last window has closed: quits the application once the moves have
    // ended.
    static void lastWindowClosed();
    // The event loop has ended: kills the tools still running and makes later
    // runs fail at once.
    static void eventLoopEnded();
};
