// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include <QFuture>

// When the program may end, and what it leaves unfinished:
// work the user confirmed (a move, taking one back, a hold, release or
// cancel) is handed to CUPS job by job to its end, even after its window has
// closed, bounded only by the time limit of each job;
// a reload is simply dropped; and a tool still running when the program ends
// is killed, so that no worker thread keeps the program alive.
//
// Keeps the work of every window in the process. Call on the UI thread.
class ExitPolicy
{
public:
    // Called for each piece of counted work that starts; `work` finishes once it has handed every job over.
    static void trackWork(const QFuture<void> &work);
    // Finishes once every tracked piece of work has handed its jobs over.
    static QFuture<void> whenWorkFinished();

    // The last window has closed: quits the application once the work has
    // ended.
    static void lastWindowClosed();
    // The event loop has ended: kills the tools still running and makes later
    // runs fail at once.
    static void eventLoopEnded();
};
