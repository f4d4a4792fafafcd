// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "CUPSServiceError.h"
#include "JobAction.h"
#include "PrintJob.h"
#include "SchedulerRequest.h"

#include <atomic>
#include <chrono>
#include <expected>
#include <optional>

// Asks the scheduler that lpstat talks to, over IPP, to hold, release or
// cancel one job (Hold-Job, Release-Job, Cancel-Job), as the user and never
// asking for a password. The job is named by its number alone: a queue's
// name would be compared without regard to case, so "Farbe-1" could reach
// the first job of a queue "farbe-1".
class JobActionRequest
{
public:
    // The request gives up after `timeLimit`, or soon after `abandoned` turns true.
    JobActionRequest(std::chrono::milliseconds timeLimit, const std::atomic_bool &abandoned);

    // Made on the calling thread. Fails with the scheduler's status text; a
    // refused authorisation is marked as such.
    std::expected<void, CUPSServiceError> perform(const PrintJob &job, JobAction action) const;

    // The number the scheduler knows the job by; none when the identifier
    // has no number that could be a job's.
    static std::optional<int> jobNumber(const PrintJob &job);
    // What the errors call the request: "Das Anhalten des Auftrags Büro-14".
    static QString operation(const PrintJob &job, JobAction action);
    // `error`, told which job it concerns as operation() names it.
    static CUPSServiceError aboutJob(const CUPSServiceError &error, const PrintJob &job);

private:
    std::expected<void, CUPSServiceError> send(const PrintJob &job, JobAction action) const;
    // Sends `request` (which it frees) about the job at `jobURI`, as the user.
    SchedulerRequest::Result ask(ipp_t *request, const QByteArray &jobURI) const;
    // What the scheduler's answer, or the lack of one, means for `asked`.
    std::expected<void, CUPSServiceError> judged(const SchedulerRequest::Result &result, const QString &asked) const;

    std::chrono::milliseconds m_timeLimit;
    const std::atomic_bool &m_abandoned;
};
