// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

// Reaches the runner, the verdict on a run and the tool search of CUPSService
// (a friend of it), for tests that run a tool directly or look where lpmove is
// found.
// Header only: include it from targets that link parvento_service.

#include <CUPSService.h>

struct CUPSServiceTestAccess
{
    static QFuture<CUPSResult<CommandResult>> run(const QString &executableURL, const QStringList &arguments,
                                                  std::chrono::milliseconds timeLimit
                                                  = CUPSService::defaultListingTimeLimit)
    {
        return ToolRunner(timeLimit).run(executableURL, arguments);
    }
    static CUPSResult<CommandResult> runBlocking(const QString &executableURL, const QStringList &arguments,
                                                 std::chrono::milliseconds timeLimit
                                                 = CUPSService::defaultListingTimeLimit)
    {
        return ToolRunner(timeLimit).runBlocking(executableURL, arguments);
    }
    static CUPSResult<void> validate(const CommandResult &result, const QString &command)
    {
        return CUPSService::validate(result, command);
    }
    static CUPSResult<QString> resolveLPMoveURL(const CUPSService &service) { return service.resolveLPMoveURL(); }
};
