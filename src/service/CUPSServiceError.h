// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <chrono>
#include <expected>

// The one error type of CUPS access. A plain value: copied freely and passed
// between threads. Every case has a German description and a suggestion
// (their words are in ServiceTexts).
class CUPSServiceError
{
public:
    enum class Kind {
        LpstatUnavailable,
        LaunchFailed,
        CommandFailed,
        LpmoveUnavailable,
        InvalidDestination,
        // A listing that ended well but printed text that is not UTF-8: its
        // content is unknown, so it must not pass for an empty listing.
        UnreadableOutput,
        // An argument lpmove would read as one of its options.
        OptionLikeArgument,
        // A job identifier that is also a queue's name: lpmove would move that
        // whole queue instead of the one job.
        JobNamedLikeQueue,
        // A tool or a request that had not ended within its time limit and was stopped.
        TimedOut,
        // A request the scheduler answered with an error or that broke down:
        // command() says what was asked in German, reason() is the
        // scheduler's status text.
        RequestFailed,
        // A job whose identifier carries no number the scheduler could be
        // asked about.
        JobWithoutNumber,
    };

    static CUPSServiceError lpstatUnavailable(const QString &path);
    static CUPSServiceError launchFailed(const QString &executable, const QString &reason);
    static CUPSServiceError commandFailed(const QString &command, qint32 status, const QString &standardError);
    static CUPSServiceError lpmoveUnavailable();
    static CUPSServiceError invalidDestination();
    static CUPSServiceError unreadableOutput(const QString &command);
    static CUPSServiceError optionLikeArgument(const QString &argument);
    static CUPSServiceError jobNamedLikeQueue(const QString &identifier);
    static CUPSServiceError timedOut(const QString &command, std::chrono::milliseconds limit);
    // `refusedAuthorisation` when the scheduler refused the user, whatever its text says.
    static CUPSServiceError requestFailed(const QString &operation, const QString &statusText,
                                          bool refusedAuthorisation);
    // A request that never got the scheduler's answer: no connection came
    // about, or the exchange broke down; `reason` says why.
    static CUPSServiceError requestUnanswered(const QString &operation, const QString &reason);
    static CUPSServiceError jobWithoutNumber(const QString &identifier);

    Kind kind() const { return m_kind; }

    // Payloads; empty where the case has none.
    const QString &path() const { return m_path; }
    const QString &executable() const { return m_path; }
    const QString &reason() const { return m_text; }
    const QString &command() const { return m_command; }
    qint32 status() const { return m_status; }
    const QString &standardError() const { return m_text; }
    const QString &argument() const { return m_text; }
    std::chrono::milliseconds timeLimit() const { return m_timeLimit; }
    bool refusedAuthorisation() const { return m_refusedAuthorisation; }
    // Whether the error says that CUPS refused the user's authorisation: a
    // refused request, or a tool or request whose error text says so.
    bool isPermissionRefusal() const;
    // Whether the scheduler gave no answer at all: a tool or request stopped
    // at its time limit, or a request that could not reach the scheduler or
    // broke down. The next request would most likely wait as long.
    bool leftUnanswered() const;

    // The same error, told that `identifier` (a job's identifier as its
    // texts quote it) is the job it concerns, its queue's name the first
    // `queueLength` characters: withQuotedTexts() then shows the queue's
    // name and the number each as a field of its own, so that a
    // right-to-left name cannot pull the number to its far side.
    CUPSServiceError aboutJob(const QString &identifier, qsizetype queueLength) const;

    QString errorDescription() const;
    // A copy whose quoted texts (paths, commands, what a tool printed,
    // arguments) went through `shown`: the window describes the error with
    // texts made fit for the screen, while the error itself keeps them as
    // the tools gave them.
    CUPSServiceError withQuotedTexts(QString (*shown)(const QString &)) const;
    QString recoverySuggestion() const;

    // True when a tool's error text says that CUPS refused the user's authorisation.
    static bool isPermissionError(const QString &text);

    friend bool operator==(const CUPSServiceError &lhs, const CUPSServiceError &rhs) = default;

private:
    explicit CUPSServiceError(Kind kind)
        : m_kind(kind)
    { }

    Kind m_kind;
    QString m_path;
    QString m_command;
    QString m_text;
    qint32 m_status = 0;
    std::chrono::milliseconds m_timeLimit {0};
    bool m_refusedAuthorisation = false;
    bool m_unanswered = false;
    QString m_job;
    qsizetype m_jobQueueLength = 0;
};

template<typename T> using CUPSResult = std::expected<T, CUPSServiceError>;
