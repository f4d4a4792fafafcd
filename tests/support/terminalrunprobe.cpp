// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
// Runs one program through the service's runner, the way the window does when
// it was started from a terminal, and reports on standard output (the terminal
// it runs on) how the run ended and whether the terminal still echoes:
//   status=N timedOut=0|1 echo=on|off/on|off
// followed by the program's standard error. TerminalRun starts it on a
// pseudo-terminal of its own.
//
//   terminalrunprobe SECONDS PROGRAM [ARG...]

#include <CUPSServiceTestAccess.h>
#include <TerminalRun.h>
#include <TestFutures.h>

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() < 3)
        return 2;
    const std::chrono::seconds limit(arguments.at(1).toInt());
    const char *echoBefore = TerminalRun::echoState();
    const CUPSResult<CommandResult> result
        = TestFutures::await(CUPSServiceTestAccess::run(arguments.at(2), arguments.mid(3), limit));
    if (!result) {
        std::printf("launch failed: %s\n", qPrintable(result.error().errorDescription()));
        return 1;
    }
    std::printf("status=%d timedOut=%d echo=%s/%s\n%s", result->terminationStatus, result->timedOutAfter ? 1 : 0,
                echoBefore, TerminalRun::echoState(), qPrintable(result->standardError));
    std::fflush(stdout);
    return 0;
}
