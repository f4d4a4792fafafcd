// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "JobDetails.h"
#include "PrintJob.h"
#include "Printer.h"
#include "QueueName.h"
#include "ToolRunner.h"

#include <QFuture>
#include <QHash>
#include <QList>
#include <QString>

#include <optional>

// Adds to listed records what the scheduler says about them: asks it over IPP,
// and for jobs falls back to `lpstat -l -o` when it says nothing. Never fails
// and never waits longer than the time limit: without an answer the records
// stay as given.
class DetailsLookup
{
public:
    // The scheduler's answer about every job or every queue, asked on a
    // thread of its own; none when it gave none within the time limit.
    using AskedJobs = QFuture<std::optional<JobDetails::Table>>;
    using AskedQueues = QFuture<std::optional<QHash<QueueName, Printer>>>;

    // Every request and the fallback listing keep to the time limit of
    // `listings`; once the program is ending nothing is asked.
    DetailsLookup(const QString &lpstatURL, const ToolRunner &listings);

    // Asks now, before the records are there: a reload asks while its
    // listings still run, so the scheduler answers while they are read.
    AskedJobs askJobs() const;
    AskedQueues askQueues() const;

    // Asks and adds once the answer is there.
    QFuture<QList<PrintJob>> addTo(const QList<PrintJob> &jobs) const;
    QFuture<QList<Printer>> addTo(const QList<Printer> &queues) const;
    // Adds what was asked before; for jobs the detailed listing still stands
    // in when that answer did not come.
    QFuture<QList<PrintJob>> addTo(const QList<PrintJob> &jobs, const AskedJobs &asked) const;
    QFuture<QList<Printer>> addTo(const QList<Printer> &queues, const AskedQueues &asked) const;

private:
    QString m_lpstatURL;
    ToolRunner m_listings;
};
