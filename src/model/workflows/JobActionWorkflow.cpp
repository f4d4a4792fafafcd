// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "JobActionWorkflow.h"

QFuture<JobActionOutcome> JobActionWorkflow::run(const CUPSService &service, const QList<PrintJob> &jobs,
                                                 JobAction action, const Progress &progress)
{
    const auto act = [service, action](const PrintJob &job) {
        return service.actOnJob(job, action);
    };
    return JobByJob::run(jobs, act, progress).then([action, count = jobs.size()](JobByJob::Results results) {
        return JobActionOutcome {action, count, std::move(results.succeeded), std::move(results.failures), {}, {}};
    });
}
