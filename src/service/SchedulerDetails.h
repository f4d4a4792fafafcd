// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "JobDetails.h"
#include "Printer.h"
#include "QueueName.h"

#include <QHash>
#include <QList>
#include <QString>

#include <cups/ipp.h>

#include <atomic>
#include <chrono>
#include <optional>

// Asks the scheduler that lpstat talks to, over IPP, for what no lpstat
// listing prints: job titles and states, and why a queue is stopped or
// rejects jobs. One request per call, made on the calling thread, as the
// user, never asking for a password.
//
// The listings stay the source of which jobs and queues exist; these answers
// only add detail to what they listed. Any failure (no scheduler, a refusal,
// the time limit, an unreadable answer) is "no details".
class SchedulerDetails
{
public:
    // The request gives up after `timeLimit`, or soon after `abandoned` turns true.
    SchedulerDetails(std::chrono::milliseconds timeLimit, const std::atomic_bool &abandoned);

    // Every job that has not completed, with what the scheduler said about it
    // (owner and title where it did not withhold them).
    std::optional<JobDetails::Table> jobs() const;
    // Every queue by its name.
    std::optional<QHash<QueueName, Printer>> queues() const;

    // What a successful Get-Jobs or CUPS-Get-Printers answer says, whatever
    // else it holds: the server behind CUPS_SERVER may send anything.
    static JobDetails::Table readJobs(ipp_t *answer);
    static QHash<QueueName, Printer> readQueues(ipp_t *answer);

    // The listed queues with their state from `details`.
    static QList<Printer> enrich(const QList<Printer> &queues, const QHash<QueueName, Printer> &details);

private:
    std::chrono::milliseconds m_timeLimit;
    const std::atomic_bool &m_abandoned;
};
