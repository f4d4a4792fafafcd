// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "CUPSServiceError.h"
#include "CommandResult.h"

#include <QFuture>
#include <QStringList>
#include <QThreadPool>

#include <atomic>
#include <chrono>
#include <expected>

// Runs a tool as a child process of the user, without a shell, and collects
// both output streams and the exit status. A plain value that knows only its
// time limit: a run still going at the limit is killed with whatever it
// started.
class ToolRunner
{
public:
    explicit ToolRunner(std::chrono::milliseconds timeLimit)
        : m_timeLimit(timeLimit)
    { }

    std::chrono::milliseconds timeLimit() const { return m_timeLimit; }

    // Starts the program directly with exactly these arguments on
    // threadPool(). Fails only when the program cannot start.
    QFuture<std::expected<CommandResult, CUPSServiceError>> run(const QString &executableURL,
                                                                const QStringList &arguments) const;
    // The same on the calling thread.
    std::expected<CommandResult, CUPSServiceError> runBlocking(const QString &executableURL,
                                                               const QStringList &arguments) const;

    // For program exit: kills the children of runs still in flight and makes
    // later runs fail at once, so that no worker thread keeps the program from
    // ending while a tool hangs.
    static void abandonPendingRuns();
    // True once the program is ending; scheduler requests give up on it too.
    static const std::atomic_bool &abandoned();
    // Where every tool run happens.
    static QThreadPool *threadPool();

private:
    std::chrono::milliseconds m_timeLimit;
};
