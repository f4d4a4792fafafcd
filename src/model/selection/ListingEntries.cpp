// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "ListingEntries.h"

#include "JobFilter.h"

#include <QHash>

QList<JobEntry> ListingEntries::jobs(const QList<PrintJob> &jobs, const QSet<QString> &selectedKeys)
{
    QList<JobEntry> entries;
    entries.reserve(jobs.size());
    for (const PrintJob &job : jobs) {
        QString key = job.jobIdentifier().canonical();
        const bool selected = selectedKeys.contains(key);
        entries.append(
            JobEntry {job, std::move(key), job.sourceQueue().canonical(), selected, JobFilter::searchText(job)});
    }
    return entries;
}

QList<PrinterEntry> ListingEntries::printers(const QList<Printer> &printers)
{
    QList<PrinterEntry> entries;
    entries.reserve(printers.size());
    for (const Printer &printer : printers)
        entries.append(PrinterEntry {printer, printer.queueName().canonical()});
    return entries;
}

void ListingEntries::countWaiting(QList<PrinterEntry> &printers, const QList<SourceQueue> &sourceQueues)
{
    QHash<QString, qsizetype> waiting;
    for (const SourceQueue &queue : sourceQueues)
        waiting.insert(queue.key, queue.jobCount);
    for (PrinterEntry &entry : printers)
        entry.waitingJobs = waiting.value(entry.key);
}

QList<JobEntry> ListingEntries::shown(const QList<JobEntry> &entries, qsizetype shownCount)
{
    if (shownCount == entries.size())
        return entries;
    QList<JobEntry> shown;
    shown.reserve(shownCount);
    for (const JobEntry &entry : entries) {
        if (entry.shown)
            shown.append(entry);
    }
    return shown;
}

QList<PrintJob> ListingEntries::jobsOf(const QList<JobEntry> &entries)
{
    QList<PrintJob> jobs;
    jobs.reserve(entries.size());
    for (const JobEntry &entry : entries)
        jobs.append(entry.job());
    return jobs;
}

QList<Printer> ListingEntries::printersOf(const QList<PrinterEntry> &entries)
{
    QList<Printer> printers;
    printers.reserve(entries.size());
    for (const PrinterEntry &entry : entries)
        printers.append(entry.printer);
    return printers;
}

QList<PrinterEntry> ListingEntries::pick(const QList<PrinterEntry> &entries, const QList<qsizetype> &rows)
{
    QList<PrinterEntry> picked;
    picked.reserve(rows.size());
    for (const qsizetype row : rows)
        picked.append(entries.at(row));
    return picked;
}

QList<Printer> ListingEntries::printersAt(const QList<PrinterEntry> &entries, const QList<qsizetype> &rows)
{
    QList<Printer> printers;
    printers.reserve(rows.size());
    for (const qsizetype row : rows)
        printers.append(entries.at(row).printer);
    return printers;
}
