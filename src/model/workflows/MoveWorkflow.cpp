// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "MoveWorkflow.h"

#include "WhenFinished.h"

#include <QPromise>

#include <memory>

namespace {

// The state of one run, shared by its steps.
struct Run
{
    CUPSService service;
    QList<PrintJob> jobs;
    QList<Printer> knownQueues;
    MoveWorkflow::Progress progress;
    MoveOutcome outcome;
    QPromise<MoveOutcome> promise;
};

void moveNext(const std::shared_ptr<Run> &run)
{
    const qsizetype next = run->outcome.moved.size() + run->outcome.failures.size();
    if (next == run->jobs.size()) {
        run->promise.addResult(run->outcome);
        run->promise.finish();
        return;
    }
    const PrintJob &job = run->jobs.at(next);
    whenFinished(run->service.moveJob(job, run->outcome.destination, run->knownQueues),
                 [run, job](const std::optional<CUPSResult<void>> &outcome) {
                     if (outcome && *outcome)
                         run->outcome.moved.append(job);
                     else
                         run->outcome.failures.append(
                             {job, outcome ? WorkflowError(outcome->error()) : WorkflowError::unexpected()});
                     if (run->progress)
                         run->progress(run->outcome.moved.size() + run->outcome.failures.size());
                     moveNext(run);
                 });
}

} // namespace

QFuture<MoveOutcome> MoveWorkflow::run(const CUPSService &service, const QList<PrintJob> &jobs,
                                       const Printer &destination, const QList<Printer> &knownQueues,
                                       const Progress &progress)
{
    auto run = std::make_shared<Run>(Run {service, jobs, knownQueues, progress,
                                          MoveOutcome {destination, jobs.size(), {}, {}}, QPromise<MoveOutcome>()});
    run->promise.start();
    QFuture<MoveOutcome> outcome = run->promise.future();
    moveNext(run);
    return outcome;
}
