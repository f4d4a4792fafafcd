// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "JobByJob.h"

#include "WhenFinished.h"

#include <QPromise>

#include <memory>

namespace {

// The state of one run, shared by its steps.
struct Run
{
    QList<PrintJob> jobs;
    JobByJob::Step step;
    JobByJob::Progress progress;
    JobByJob::Results results;
    QPromise<JobByJob::Results> promise;
};

qsizetype handled(const Run &run)
{
    return run.results.succeeded.size() + run.results.failures.size();
}

void next(const std::shared_ptr<Run> &run)
{
    if (handled(*run) == run->jobs.size()) {
        run->promise.addResult(run->results);
        run->promise.finish();
        return;
    }
    const PrintJob &job = run->jobs.at(handled(*run));
    whenFinished(run->step(job), [run, job](const std::optional<CUPSResult<void>> &outcome) {
        if (outcome && *outcome)
            run->results.succeeded.append(job);
        else
            run->results.failures.append(
                {job, outcome ? WorkflowError(outcome->error()) : WorkflowError::unexpected()});
        if (run->progress)
            run->progress(handled(*run));
        next(run);
    });
}

} // namespace

namespace JobByJob {

QFuture<Results> run(const QList<PrintJob> &jobs, const Step &step, const Progress &progress)
{
    auto run = std::make_shared<Run>(Run {jobs, step, progress, {}, QPromise<Results>()});
    run->promise.start();
    QFuture<Results> results = run->promise.future();
    next(run);
    return results;
}

} // namespace JobByJob
