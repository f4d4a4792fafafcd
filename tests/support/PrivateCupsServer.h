// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "EnvironmentOverride.h"

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <optional>

// A real CUPS scheduler of the test's own, in a temporary directory (see
// scripts/private-cups for its configuration). While it runs, CUPS_SERVER in
// this process's environment names its socket, so every tool the test starts,
// and every tool those start, talks to it and never to the system's CUPS.
//
// The scheduler is stopped by the destructor, also when a test fails; if the
// test process dies outright, the kernel stops it (it is started with a
// parent-death signal). CUPS_SERVER keeps pointing at the private socket until
// the object is gone, so a test that stops the scheduler sees tools fail
// rather than reach the system's CUPS.
//
// Its policy lets only a job's owner move the job, so a refused move is real:
// submit a job for otherUserName() and run lpmove through unprivileged().
class PrivateCupsServer
{
public:
    PrivateCupsServer();
    ~PrivateCupsServer();
    Q_DISABLE_COPY_MOVE(PrivateCupsServer)

    // Starts the scheduler and waits until it answers. Starting again after
    // stop() reuses the same directory, so queues and waiting jobs survive.
    // On failure lastError() says why.
    bool start();
    // start() and addQueue() for each of `queues`.
    bool start(const QStringList &queues);
    void stop();
    bool isRunning() const;
    // The scheduler's process, for tests that kill it behind the fixture's
    // back (the next stop() or start() notices); 0 while it is not running.
    qint64 processId() const;

    // Whether the scheduler may identify local clients by their socket
    // credentials (the default). Without them a user who is not the owner is
    // asked to log in, which lpmove cannot do: "Unauthorized" instead of
    // "Forbidden". A running scheduler that had the other setting restarts.
    bool usePeerCredentials(bool enabled);

    QString directory() const;
    QString socketPath() const;
    // What went wrong in the last call that failed, with the scheduler's log.
    QString lastError() const;

    bool addQueue(const QString &name);
    // lpadmin -x: the queue and every job waiting in it are gone.
    bool removeQueue(const QString &name);
    // cupsreject and cupsdisable, with the administrator's reason when given.
    bool rejectQueue(const QString &name, const QString &reason = {});
    bool stopQueue(const QString &name, const QString &reason = {});
    // cupsenable: the queue prints what waits in it (into /dev/null, at once).
    bool startQueue(const QString &name);
    // lpmove of one job, as somebody else at another window would.
    bool moveJob(const QString &identifier, const QString &queue);
    // lpadmin -L -D: where the printer stands and what it is.
    bool describeQueue(const QString &name, const QString &location, const QString &info);
    // Submits a held job and returns the identifier lp reported. Without an
    // owner the job belongs to the running user. lp's requesting user name is
    // what the scheduler records as the owner, also for a normal user.
    std::optional<QString> submitHeldJob(const QString &queue, const QString &owner = {});
    // Submits a job of the running user with these further lp options (such
    // as "-H", "hold", "-t", TITLE) and returns the identifier lp reported.
    std::optional<QString> submitJob(const QString &queue, const QStringList &lpOptions);
    // One held job per entry of `queues`, in order; the identifiers lp reported.
    std::optional<QStringList> submitHeldJobs(const QStringList &queues, const QString &owner = {});
    bool cancelJob(const QString &identifier);
    // Cancels every waiting job and submits one held job of the running user
    // per entry of `queues`. Returns the identifiers as `lpstat -o` lists them
    // (percent-encoded where a queue name is not ASCII), in its order.
    std::optional<QStringList> replaceJobs(const QStringList &queues);
    // The identifiers of `lpstat -o`, in its order.
    std::optional<QStringList> jobIdentifiers();
    // How many requests of an IPP operation (such as "Get-Jobs") the scheduler
    // has answered since it was first started: proof of what a client really ran.
    // The scheduler writes the log line just after the answer, so poll (QTRY_COMPARE).
    qsizetype answeredRequests(const QString &operation) const;

    // The account the tests run as, and a different name to own jobs that
    // this account may not move.
    static QString userName();
    static QString otherUserName();
    static bool runsAsRoot();

    // Absolute path of a CUPS tool (lpstat, lpmove, lpadmin ...), looked up on
    // PATH and in the sbin directories a normal user's PATH may lack.
    static QString toolPath(const QString &name);

    // A program with its arguments, to be started without a shell.
    struct Command
    {
        QString program;
        QStringList arguments;
    };
    // Runs the program as an account that owns nothing and administers
    // nothing: nobody when the tests run as root (root is never refused on the
    // local socket), else the running user unchanged.
    static Command unprivileged(const QString &program, const QStringList &arguments);

private:
    struct ToolRun
    {
        bool started = false;
        int status = -1;
        QString standardOutput;
        QString standardError;
    };
    ToolRun runTool(const QString &name, const QStringList &arguments) const;
    bool succeeded(const ToolRun &run, const QString &what);
    bool fail(const QString &message);
    bool schedulerAnswers() const;
    QString logTail() const;

    QTemporaryDir m_dir;
    QProcess m_cupsd;
    EnvironmentOverride m_serverVariable;
    QString m_lastError;
    bool m_peerCredentials = true;
};
