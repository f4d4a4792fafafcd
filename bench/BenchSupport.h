// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

// What several benchmarks need: the resident memory of this process, and a
// private scheduler filled with held jobs quickly. Header only.

#include <PrivateCupsServer.h>

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>

#include <cups/cups.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <optional>

namespace BenchSupport {

// VmRSS of this process in kilobytes, or -1.
inline qint64 residentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    // A file of /proc has no size, so read it whole rather than line by line.
    const QList<QByteArray> lines = status.readAll().split('\n');
    for (const QByteArray &line : lines) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// Submits `count` held jobs of `document`, job i to queueOf(i), titled
// "Bericht i.pdf". lp takes one request and one process per job; 10,000 of
// those take minutes. One connection with one Print-Job request per job is
// far faster.
inline bool submitHeldJobs(int first, int count, const QString &document, const std::function<QString(int)> &queueOf)
{
    cupsSetServer(nullptr);
    http_t *http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, 30'000, nullptr);
    if (!http)
        return false;
    cups_option_t *options = nullptr;
    const int optionCount = cupsAddOption("job-hold-until", "indefinite", 0, &options);
    const QByteArray file = QFile::encodeName(document);
    bool submitted = true;
    for (int job = first; job < first + count && submitted; ++job) {
        const QByteArray queue = queueOf(job).toUtf8();
        const QByteArray title = QStringLiteral("Bericht %1.pdf").arg(job).toUtf8();
        submitted
            = cupsPrintFile2(http, queue.constData(), file.constData(), title.constData(), optionCount, options) > 0;
    }
    cupsFreeOptions(optionCount, options);
    httpClose(http);
    return submitted;
}

// A private scheduler made for many jobs, with `queueCount` queues named by
// queueOf, and a one-line document to print.
struct Scheduler
{
    std::unique_ptr<PrivateCupsServer> server;
    QString document;
};

// None when the scheduler could not be set up; `benchmark` names the
// benchmark in what it says on standard error then.
inline std::optional<Scheduler> startScheduler(int queueCount, const std::function<QString(int)> &queueOf,
                                               const char *benchmark)
{
    qputenv("PRIVATE_CUPS_MANY_JOBS", "1");
    Scheduler scheduler {std::make_unique<PrivateCupsServer>(), {}};
    bool ready = scheduler.server->start();
    for (int queue = 0; ready && queue < queueCount; ++queue)
        ready = scheduler.server->addQueue(queueOf(queue));
    if (!ready) {
        std::fprintf(stderr, "%s: %s\n", benchmark, qPrintable(scheduler.server->lastError()));
        return std::nullopt;
    }
    scheduler.document = scheduler.server->directory() + QStringLiteral("/bench-document.txt");
    QFile file(scheduler.document);
    if (!file.open(QIODevice::WriteOnly) || file.write("Parvento benchmark page\n") < 0) {
        std::fprintf(stderr, "%s: %s\n", benchmark, qPrintable(file.errorString()));
        return std::nullopt;
    }
    return scheduler;
}

} // namespace BenchSupport
