// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "CUPSAvailability.h"
#include "CUPSServiceError.h"
#include "CommandResult.h"
#include "DetailsLookup.h"
#include "JobAction.h"
#include "PrintJob.h"
#include "Printer.h"
#include "ToolRunner.h"

#include <QFuture>
#include <QList>
#include <QStringList>
#include <QThreadPool>

#include <chrono>
#include <expected>
#include <optional>

// The way into CUPS: lpstat says which jobs and queues exist and lpmove moves
// them, run as child processes of the user without a shell; the scheduler,
// asked through libcups, adds the titles and states lpstat does not print. A
// plain value; every operation starts afresh and nothing is cached.
//
// The asynchronous operations run on threadPool() and chain their steps as
// continuations, so no pool thread ever waits for another future. Requests to
// the scheduler over IPP run on threads of their own.
class CUPSService
{
public:
    static inline const QString systemLpstatURL = QStringLiteral("/usr/bin/lpstat");

    // Every tool run is stopped when it outlives its limit: a listing after
    // `listingTimeLimit`, one lpmove after `moveTimeLimit`.
    static constexpr std::chrono::milliseconds defaultListingTimeLimit {60'000};
    static constexpr std::chrono::milliseconds defaultMoveTimeLimit {30'000};

    explicit CUPSService(const QString &lpstatURL = systemLpstatURL,
                         std::chrono::milliseconds listingTimeLimit = defaultListingTimeLimit,
                         std::chrono::milliseconds moveTimeLimit = defaultMoveTimeLimit);

    const QString &lpstatURL() const { return m_lpstatURL; }

    // Jobs in the order of the basic listing, enriched from the detailed one:
    // listJobsAsListed() and then addJobDetails().
    QFuture<CUPSResult<QList<PrintJob>>> listJobs() const;
    // Queues sorted by name (locale-aware, case-insensitive, stable), with
    // their state: listPrintersAsListed() and then addQueueDetails().
    QFuture<CUPSResult<QList<Printer>>> listPrinters() const;

    // The listings alone, as lpstat printed them.
    QFuture<CUPSResult<QList<Printer>>> listPrintersAsListed() const;
    QFuture<CUPSResult<QList<PrintJob>>> listJobsAsListed() const;
    // The same records with what the scheduler says about them (the jobs from
    // lpstat -l -o when it says nothing). Never fails and never waits longer
    // than the listing's time limit: without an answer the records stay as given.
    QFuture<QList<PrintJob>> addJobDetails(const QList<PrintJob> &jobs) const;
    QFuture<QList<Printer>> addQueueDetails(const QList<Printer> &printers) const;
    // The scheduler asked at once, and its answer added later: a reload asks
    // while its listings run, so that the two overlap.
    DetailsLookup::AskedJobs askJobDetails() const;
    DetailsLookup::AskedQueues askQueueDetails() const;
    QFuture<QList<PrintJob>> addJobDetails(const QList<PrintJob> &jobs, const DetailsLookup::AskedJobs &asked) const;
    QFuture<QList<Printer>> addQueueDetails(const QList<Printer> &printers,
                                            const DetailsLookup::AskedQueues &asked) const;
    // lpstat must be executable and lpmove must be found on PATH or a fallback.
    QFuture<CUPSResult<CUPSAvailability>> preflight() const;

    // Hands one job to `destination` with lpmove: refuses at once what lpmove
    // must never be given (see refusalToMove), then checks the tools afresh,
    // runs lpmove and judges its exit status. `knownQueues` are the queues of
    // the last listing.
    QFuture<CUPSResult<void>> moveJob(const PrintJob &job, const Printer &destination,
                                      const QList<Printer> &knownQueues) const;

    // Asks the scheduler the listings came from, over IPP and as the user,
    // to hold, release or cancel this one job, naming it by its number alone
    // (never by a queue name, which CUPS compares without regard to case).
    // Fails with the scheduler's reason; a refused authorisation reads like a
    // refused lpmove. Gives up after the time limit of one lpmove.
    QFuture<CUPSResult<void>> actOnJob(const PrintJob &job, JobAction action) const;

    // For program exit: kills the children of runs still in flight and makes
    // later runs fail at once, so that no worker thread keeps the program from
    // ending while a tool hangs.
    static void abandonPendingRuns();
    // Where every tool run happens.
    static QThreadPool *threadPool();

private:
    // Lets tests reach the verdict on a run and the tool search directly.
    friend struct CUPSServiceTestAccess;

    CUPSResult<QString> resolveLPMoveURL() const;

    // A run whose status is not 0 becomes commandFailed labelled with `command`,
    // one that was stopped at its time limit timedOut.
    static CUPSResult<void> validate(const CommandResult &result, const QString &command);
    // The standard output of a listing that must succeed: started, validated
    // and readable.
    static CUPSResult<QString> listingOutput(const CUPSResult<CommandResult> &run, const QString &command);
    // `lpstat option`, which must succeed, read by `parse`.
    template<typename Parse>
    auto listing(const QString &option, Parse parse) const -> QFuture<CUPSResult<decltype(parse(QString()))>>;

    // Why lpmove must not be run for this job, if it must not.
    static std::optional<CUPSServiceError> refusalToMove(const PrintJob &job, const Printer &destination,
                                                         const QList<Printer> &knownQueues);

    QString m_lpstatURL;
    ToolRunner m_listings;
    ToolRunner m_moves;
};
