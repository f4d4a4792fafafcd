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

QFuture<QList<PrintJob>> DetailsLookup::addTo(const QList<PrintJob> &jobs) const
{
    const std::atomic_bool &abandoned = ToolRunner::abandoned();
    if (jobs.isEmpty() || abandoned)
        return ready(jobs);
    const QString lpstat = m_lpstatURL;
    const ToolRunner listings = m_listings;
    const std::chrono::milliseconds limit = listings.timeLimit();
    // The scheduler's own answer replaces the detailed listing, which prints
    // no titles with today's CUPS; the listing stays the fallback, a tool run
    // with its own time limit.
    return DetachedRequest<JobDetails::Table>::run(
               [limit, &abandoned] { return SchedulerDetails(limit, abandoned).jobs(); }, limit, abandoned)
        .then([jobs, lpstat, listings, &abandoned](const std::optional<JobDetails::Table> &details) {
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

QFuture<QList<Printer>> DetailsLookup::addTo(const QList<Printer> &queues) const
{
    const std::atomic_bool &abandoned = ToolRunner::abandoned();
    if (queues.isEmpty() || abandoned)
        return ready(queues);
    // The listing says which queues exist; the scheduler only adds their
    // state, and without its answer the queues stand as listed.
    const std::chrono::milliseconds limit = m_listings.timeLimit();
    return DetachedRequest<QHash<QueueName, Printer>>::run(
               [limit, &abandoned] { return SchedulerDetails(limit, abandoned).queues(); }, limit, abandoned)
        .then([queues](const std::optional<QHash<QueueName, Printer>> &details) {
            return details ? SchedulerDetails::enrich(queues, *details) : queues;
        });
}
