// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "DetailsLookup.h"

#include "DetachedRequest.h"
#include "JobDetails.h"
#include "LpstatOutput.h"
#include "SchedulerDetails.h"

#include <QPromise>

using namespace Qt::StringLiterals;

namespace {

// A finished future with one value; makeReadyFuture() would take a list as
// many results.
template<typename T> QFuture<T> ready(T value)
{
    QPromise<T> promise;
    promise.start();
    promise.addResult(std::move(value));
    promise.finish();
    return promise.future();
}

} // namespace

DetailsLookup::DetailsLookup(const QString &lpstatURL, const ToolRunner &listings)
    : m_lpstatURL(lpstatURL)
    , m_listings(listings)
{ }

DetailsLookup::AskedJobs DetailsLookup::askJobs() const
{
    const std::atomic_bool &abandoned = ToolRunner::abandoned();
    if (abandoned)
        return ready(std::optional<JobDetails::Table>());
    const std::chrono::milliseconds limit = m_listings.timeLimit();
    return DetachedRequest<JobDetails::Table>::run(
        [limit, &abandoned] { return SchedulerDetails(limit, abandoned).jobs(); }, limit, abandoned);
}

DetailsLookup::AskedQueues DetailsLookup::askQueues() const
{
    const std::atomic_bool &abandoned = ToolRunner::abandoned();
    if (abandoned)
        return ready(std::optional<QHash<QueueName, Printer>>());
    const std::chrono::milliseconds limit = m_listings.timeLimit();
    return DetachedRequest<QHash<QueueName, Printer>>::run(
        [limit, &abandoned] { return SchedulerDetails(limit, abandoned).queues(); }, limit, abandoned);
}

QFuture<QList<PrintJob>> DetailsLookup::addTo(const QList<PrintJob> &jobs) const
{
    if (jobs.isEmpty() || ToolRunner::abandoned())
        return ready(jobs);
    return addTo(jobs, askJobs());
}

QFuture<QList<Printer>> DetailsLookup::addTo(const QList<Printer> &queues) const
{
    if (queues.isEmpty() || ToolRunner::abandoned())
        return ready(queues);
    return addTo(queues, askQueues());
}

QFuture<QList<PrintJob>> DetailsLookup::addTo(const QList<PrintJob> &jobs, const AskedJobs &asked) const
{
    const std::atomic_bool &abandoned = ToolRunner::abandoned();
    if (jobs.isEmpty() || abandoned)
        return ready(jobs);
    const QString lpstat = m_lpstatURL;
    const ToolRunner listings = m_listings;
    // The scheduler's own answer replaces the detailed listing, which prints
    // no titles with today's CUPS; the listing stays the fallback, a tool run
    // with its own time limit. Merged on the pool: an answer that came before
    // the listing would otherwise be merged on the caller's thread, the
    // window's, and thousands of jobs take a moment.
    return AskedJobs(asked)
        .then(
            ToolRunner::threadPool(),
            [jobs, lpstat, listings, &abandoned](const std::optional<JobDetails::Table> &details) {
                if (details)
                    return ready(JobDetails::addTo(jobs, *details));
                if (abandoned)
                    return ready(jobs);
                return listings.run(lpstat, {u"-l"_s, u"-o"_s}).then([jobs](const CUPSResult<CommandResult> &detailed) {
                    if (!detailed || detailed->timedOutAfter || detailed->terminationStatus != 0)
                        return jobs;
                    return JobDetails::addTo(jobs, LpstatOutput::parseJobDetails(detailed->standardOutput));
                });
            })
        .unwrap();
}

QFuture<QList<Printer>> DetailsLookup::addTo(const QList<Printer> &queues, const AskedQueues &asked) const
{
    if (queues.isEmpty() || ToolRunner::abandoned())
        return ready(queues);
    // The listing says which queues exist; the scheduler only adds their
    // state, and without its answer the queues stand as listed.
    return AskedQueues(asked).then([queues](const std::optional<QHash<QueueName, Printer>> &details) {
        return details ? SchedulerDetails::enrich(queues, *details) : queues;
    });
}
