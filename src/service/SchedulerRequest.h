// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <cups/ipp.h>

#include <atomic>
#include <chrono>
#include <memory>

// One IPP request to the scheduler that lpstat talks to (the one pinned in
// CUPS_SERVER), made on the calling thread, never asking for a
// password. Every wait on every socket of the request ends at the time limit
// (RequestWatchdog), also those of a new connection the server asks for.
class SchedulerRequest
{
public:
    struct IppDeleter
    {
        void operator()(ipp_t *ipp) const { ippDelete(ipp); }
    };
    using Message = std::unique_ptr<ipp_t, IppDeleter>;

    // What a 401 leads to.
    enum class Login {
        // Nothing: the request fails as refused.
        Never,
        // One more try with what libcups finds without asking anybody: the
        // local socket's peer credentials or the scheduler's local
        // certificate. That is how the tools act on the user's own jobs.
        WithoutPassword,
    };

    enum class Outcome {
        // `answer` is the scheduler's IPP answer, whatever its status.
        Answered,
        // No connection came about; `reason` says why.
        Unreachable,
        // The scheduler refused the user (HTTP 401 or 403); `reason` is its status text.
        Refused,
        // The exchange ended with another HTTP error; `reason` is its status text.
        Failed,
        // The exchange broke down before the scheduler answered; `reason` says why.
        Broke,
        // The time limit passed or the program is ending.
        Expired,
    };

    struct Result
    {
        Outcome outcome = Outcome::Failed;
        Message answer;
        QString reason;
    };

    // The most an answer may weigh; a larger one is dropped unread. A
    // Get-Jobs answer of 10,000 jobs weighs 2.5 MB, one of 200,000 jobs 49 MB.
    // While reading, libcups holds up to 3 times these bytes for real
    // answers, 7 times for a stream of the smallest attributes.
    static constexpr qsizetype answerBudget = 16 * 1024 * 1024;

    SchedulerRequest(std::chrono::milliseconds timeLimit, const std::atomic_bool &abandoned,
                     Login login = Login::Never);

    // Sends `request`, which it always frees.
    Result send(ipp_t *request) const;

    // Names the user as the one who asks.
    static void addRequestingUser(ipp_t *request);
    // The answer's status-message, or the status's own name without one.
    static QString statusText(ipp_t *answer);
    // Whether an answer says that the request went through.
    static bool succeeded(ipp_t *answer);

private:
    std::chrono::milliseconds m_timeLimit;
    const std::atomic_bool &m_abandoned;
    Login m_login;
};
