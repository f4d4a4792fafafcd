// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "JobByJob.h"

#include "WhenFinished.h"

#include <QPromise>

#include <memory>
#include <optional>

namespace {

// The state of one run, shared by its steps.
struct Run
{
    QList<PrintJob> jobs;
    JobByJob::Step step;
    JobByJob::Progress progress;
    JobByJob::Results results;
    QPromise<JobByJob::Results> promise;
    // Set once the scheduler left a job without an answer.
    std::optional<WorkflowError> silence;
};

qsizetype handled(const Run &run)
{
    return run.results.succeeded.size() + run.results.failures.size();
}

void next(const std::shared_ptr<Run> &run)
{
    if (run->silence && handled(*run) < run->jobs.size()) {
        // The next job would most likely wait as long: the ones left go
        // untried, and a window closed meanwhile waits for none of them.
        for (const PrintJob &job : run->jobs.sliced(handled(*run)))
            run->results.failures.append({job, WorkflowError::notTried(*run->silence)});
        if (run->progress)
            run->progress(handled(*run));
    }
    if (handled(*run) == run->jobs.size()) {
        run->promise.addResult(run->results);
        run->promise.finish();
        return;
    }
    const PrintJob &job = run->jobs.at(handled(*run));
    whenFinished(run->step(job), [run, job](const std::optional<CUPSResult<void>> &outcome) {
        if (outcome && *outcome) {
            run->results.succeeded.append(job);
        } else {
            const WorkflowError error = outcome ? WorkflowError(outcome->error()) : WorkflowError::unexpected();
            if (error.leftUnanswered())
                run->silence = error;
            run->results.failures.append({job, error});
        }
        if (run->progress)
            run->progress(handled(*run));
        next(run);
    });
}

} // namespace

namespace JobByJob {

QFuture<Results> run(const QList<PrintJob> &jobs, const Step &step, const Progress &progress)
{
    auto run = std::make_shared<Run>(Run {jobs, step, progress, {}, QPromise<Results>(), std::nullopt});
    run->promise.start();
    QFuture<Results> results = run->promise.future();
    next(run);
    return results;
}

} // namespace JobByJob
