// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "MoveWorkflow.h"

QFuture<MoveOutcome> MoveWorkflow::run(const CUPSService &service, const QList<PrintJob> &jobs,
                                       const Printer &destination, const QList<Printer> &knownQueues,
                                       const Progress &progress)
{
    const auto move = [service, destination, knownQueues](const PrintJob &job) {
        return service.moveJob(job, destination, knownQueues);
    };
    return JobByJob::run(jobs, move, progress).then([destination, count = jobs.size()](JobByJob::Results results) {
        return MoveOutcome {destination, count, std::move(results.succeeded), std::move(results.failures)};
    });
}
