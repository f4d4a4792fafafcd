// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "JobActionWorkflow.h"

#include "WhenFinished.h"

#include <QPromise>

#include <memory>

namespace {

// The state of one run, shared by its steps.
struct Run
{
    CUPSService service;
    QList<PrintJob> jobs;
    JobActionWorkflow::Progress progress;
    JobActionOutcome outcome;
    QPromise<JobActionOutcome> promise;
};

void actOnNext(const std::shared_ptr<Run> &run)
{
    const qsizetype next = run->outcome.done.size() + run->outcome.failures.size();
    if (next == run->jobs.size()) {
        run->promise.addResult(run->outcome);
        run->promise.finish();
        return;
    }
    const PrintJob &job = run->jobs.at(next);
    whenFinished(run->service.actOnJob(job, run->outcome.action),
                 [run, job](const std::optional<CUPSResult<void>> &outcome) {
                     if (outcome && *outcome)
                         run->outcome.done.append(job);
                     else
                         run->outcome.failures.append(
                             {job, outcome ? WorkflowError(outcome->error()) : WorkflowError::unexpected()});
                     if (run->progress)
                         run->progress(run->outcome.done.size() + run->outcome.failures.size());
                     actOnNext(run);
                 });
}

} // namespace

QFuture<JobActionOutcome> JobActionWorkflow::run(const CUPSService &service, const QList<PrintJob> &jobs,
                                                 JobAction action, const Progress &progress)
{
    auto run = std::make_shared<Run>(
        Run {service, jobs, progress, JobActionOutcome {action, jobs.size(), {}, {}}, QPromise<JobActionOutcome>()});
    run->promise.start();
    QFuture<JobActionOutcome> outcome = run->promise.future();
    actOnNext(run);
    return outcome;
}
