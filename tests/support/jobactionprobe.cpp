// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
// Holds, releases or cancels one job through the service, as the window does,
// in a process of its own: so that a test running as root can ask as an
// account the scheduler refuses, and on a terminal of its own (TerminalRun).
// Reports on standard output
//   acted|failed permission=0|1 echo=on|off|none/on|off|none
// followed by the error's description.
//
//   jobactionprobe hold|release|cancel IDENTIFIER QUEUE

#include <CUPSService.h>
#include <TerminalRun.h>
#include <TestFutures.h>

#include <QCoreApplication>

#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    static const QHash<QString, JobAction> actions {
        {u"hold"_s, JobAction::Hold}, {u"release"_s, JobAction::Release}, {u"cancel"_s, JobAction::Cancel}};
    if (arguments.size() != 4 || !actions.contains(arguments.at(1)))
        return 2;
    const char *echoBefore = TerminalRun::echoState();
    // Far below the time a test waits for the probe.
    const CUPSService service(CUPSService::systemLpstatURL, CUPSService::defaultListingTimeLimit,
                              std::chrono::seconds(20));
    const PrintJob job {arguments.at(2), arguments.at(3), {}, {}};
    const CUPSResult<void> result = TestFutures::await(service.actOnJob(job, actions.value(arguments.at(1))));
    std::printf("%s permission=%d echo=%s/%s\n%s\n", result ? "acted" : "failed",
                !result && result.error().isPermissionRefusal() ? 1 : 0, echoBefore, TerminalRun::echoState(),
                result ? "" : qPrintable(result.error().errorDescription()));
    std::fflush(stdout);
    return 0;
}
