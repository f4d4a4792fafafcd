// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "UndoWorkflow.h"

#include "MoveVerification.h"
#include "WhenFinished.h"

#include <QueueName.h>

#include <QPromise>

#include <algorithm>
#include <memory>

namespace {

// The state of one run, shared by its steps.
struct Run
{
    CUPSService service;
    UndoPlan plan;
    QList<Printer> knownQueues;
    MoveWorkflow::Progress progress;
    // The queues the jobs go back to, each once, in the plan's order.
    QStringList sourceQueues;
    UndoOutcome outcome;
    QPromise<UndoOutcome> promise;
};

QStringList sourceQueuesOf(const UndoPlan &plan)
{
    QStringList queues;
    for (const UndoPlan::Return &back : plan.returns) {
        const QueueName queue(back.sourceQueue);
        if (std::ranges::none_of(queues, [&queue](const QString &seen) { return QueueName(seen) == queue; }))
            queues.append(back.sourceQueue);
    }
    return queues;
}

// The queue as the last reload described it; a queue gone since is named
// all the same, so that the scheduler's answer tells the user why.
Printer queueNamed(const QString &name, const QList<Printer> &knownQueues)
{
    const auto known = std::ranges::find_if(
        knownQueues, [&name](const Printer &queue) { return queue.queueName() == QueueName(name); });
    return known == knownQueues.cend() ? Printer {name} : *known;
}

void moveBackNext(const std::shared_ptr<Run> &run)
{
    const qsizetype next = run->outcome.moves.size();
    if (next == run->sourceQueues.size()) {
        run->promise.addResult(run->outcome);
        run->promise.finish();
        return;
    }
    const QList<PrintJob> jobs = UndoWorkflow::jobsBackTo(run->plan, run->sourceQueues.at(next));
    const Printer queue = queueNamed(run->sourceQueues.at(next), run->knownQueues);
    qsizetype handledBefore = 0;
    for (const MoveOutcome &move : std::as_const(run->outcome.moves))
        handledBefore += move.selectedCount;
    const auto progress = [run, handledBefore](qsizetype handled) {
        if (run->progress)
            run->progress(handledBefore + handled);
    };
    whenFinished(MoveWorkflow::run(run->service, jobs, queue, run->knownQueues, progress),
                 [run, jobs, queue](const std::optional<MoveOutcome> &outcome) {
                     run->outcome.moves.append(
                         outcome.value_or(MoveOutcome::allFailed(jobs, queue, WorkflowError::unexpected())));
                     moveBackNext(run);
                 });
}

} // namespace

namespace UndoWorkflow {

QFuture<UndoOutcome> run(const CUPSService &service, const UndoPlan &plan, const QList<Printer> &knownQueues,
                         const MoveWorkflow::Progress &progress)
{
    auto run = std::make_shared<Run>(
        Run {service, plan, knownQueues, progress, {}, UndoOutcome {}, QPromise<UndoOutcome>()});
    run->promise.start();
    QFuture<UndoOutcome> outcome = run->promise.future();
    // lpmove takes a job's number wherever the job stands now: one that was
    // moved on since the question was asked must stay where it is.
    whenFinished(service.listJobsAsListed(), [run](const std::optional<CUPSResult<QList<PrintJob>>> &listed) {
        if (!listed || !*listed) {
            run->promise.addResult(
                allFailed(run->plan, listed ? WorkflowError(listed->error()) : WorkflowError::unexpected()));
            run->promise.finish();
            return;
        }
        run->plan = run->plan.stillListed(**listed);
        run->sourceQueues = sourceQueuesOf(run->plan);
        run->outcome = UndoOutcome {run->plan, {}};
        moveBackNext(run);
    });
    return outcome;
}

QList<PrintJob> jobsBackTo(const UndoPlan &plan, const QString &sourceQueue)
{
    QList<PrintJob> jobs;
    for (const UndoPlan::Return &back : plan.returns) {
        if (QueueName(back.sourceQueue) == QueueName(sourceQueue))
            jobs.append(back.job);
    }
    return jobs;
}

UndoOutcome allFailed(const UndoPlan &plan, const WorkflowError &error)
{
    UndoOutcome outcome {plan, {}};
    for (const QString &queue : sourceQueuesOf(plan))
        outcome.moves.append(MoveOutcome::allFailed(jobsBackTo(plan, queue), Printer {queue}, error));
    return outcome;
}

UndoOutcome verified(const UndoOutcome &outcome, const QList<PrintJob> &listedAfter, const QList<Printer> &queuesAfter)
{
    UndoOutcome result {outcome.plan, {}};
    for (const MoveOutcome &move : outcome.moves)
        result.moves.append(MoveVerification::verified(move, jobsBackTo(outcome.plan, move.destination.name),
                                                       listedAfter, queuesAfter));
    return result;
}

} // namespace UndoWorkflow
