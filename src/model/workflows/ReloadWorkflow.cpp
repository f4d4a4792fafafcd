// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "ReloadWorkflow.h"

#include "WhenFinished.h"

#include <QPromise>

#include <memory>

namespace {

// The state of one run, shared by its steps.
struct Run
{
    CUPSService service;
    QPointer<const QObject> requester;
    QPromise<ReloadOutcome> promise;

    void finish(ReloadOutcome outcome)
    {
        promise.addResult(std::move(outcome));
        promise.finish();
    }
    void fail(const WorkflowError &error) { finish(ReloadOutcome::failed(error)); }
};

template<typename T> WorkflowError errorOf(const std::optional<CUPSResult<T>> &result)
{
    return result ? WorkflowError(result->error()) : WorkflowError::unexpected();
}

void list(const std::shared_ptr<Run> &run, const QString &lpmovePath)
{
    // Both listings run at once; the jobs are awaited first. The scheduler is
    // asked for its details now too: it answers while the listings are read
    // and shown, where asking after them would add its time to theirs.
    const QFuture<CUPSResult<QList<PrintJob>>> jobs = run->service.listJobsAsListed();
    const QFuture<CUPSResult<QList<Printer>>> printers = run->service.listPrintersAsListed();
    ReloadOutcome asked;
    asked.jobDetails = run->service.askJobDetails();
    asked.queueDetails = run->service.askQueueDetails();
    asked.lpmovePath = lpmovePath;
    whenFinished(jobs, [run, printers, asked](const std::optional<CUPSResult<QList<PrintJob>>> &jobResult) {
        if (!jobResult || !*jobResult) {
            // The printer listing is already under way: let it end, then drop it.
            whenFinished(printers, [run, error = errorOf(jobResult)](const auto &) { run->fail(error); });
            return;
        }
        whenFinished(
            printers,
            [run, asked, jobList = **jobResult](const std::optional<CUPSResult<QList<Printer>>> &printerResult) {
                if (!printerResult || !*printerResult)
                    return run->fail(errorOf(printerResult));
                ReloadOutcome listed = asked;
                listed.jobs = jobList;
                listed.printers = **printerResult;
                run->finish(std::move(listed));
            });
    });
}

} // namespace

QFuture<ReloadOutcome> ReloadWorkflow::run(const CUPSService &service, const QPointer<const QObject> &requester)
{
    auto run = std::make_shared<Run>(Run {service, requester, QPromise<ReloadOutcome>()});
    run->promise.start();
    QFuture<ReloadOutcome> outcome = run->promise.future();
    whenFinished(service.preflight(), [run](const std::optional<CUPSResult<CUPSAvailability>> &availability) {
        if (!run->requester)
            return run->fail(WorkflowError::unexpected());
        if (!availability || !*availability)
            return run->fail(errorOf(availability));
        list(run, (*availability)->lpmoveURL);
    });
    return outcome;
}

QFuture<ReloadOutcome> ReloadWorkflow::addDetails(const CUPSService &service, const ReloadOutcome &listed)
{
    auto promise = std::make_shared<QPromise<ReloadOutcome>>();
    promise->start();
    QFuture<ReloadOutcome> detailed = promise->future();
    if (listed.error) {
        promise->addResult(listed);
        promise->finish();
        return detailed;
    }
    // An outcome made elsewhere has asked nothing yet.
    const QFuture<QList<Printer>> printers = listed.queueDetails.isValid()
        ? service.addQueueDetails(listed.printers, listed.queueDetails)
        : service.addQueueDetails(listed.printers);
    const QFuture<QList<PrintJob>> jobs = listed.jobDetails.isValid()
        ? service.addJobDetails(listed.jobs, listed.jobDetails)
        : service.addJobDetails(listed.jobs);
    whenFinished(jobs, [promise, printers, listed](const std::optional<QList<PrintJob>> &jobs) {
        whenFinished(printers, [promise, listed, jobs](const std::optional<QList<Printer>> &queues) {
            ReloadOutcome outcome = listed;
            // Spent: the answers need not live on with the lists.
            outcome.jobDetails = {};
            outcome.queueDetails = {};
            if (jobs)
                outcome.jobs = *jobs;
            if (queues)
                outcome.printers = *queues;
            promise->addResult(std::move(outcome));
            promise->finish();
        });
    });
    return detailed;
}
