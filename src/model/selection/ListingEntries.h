// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "JobEntry.h"
#include "PrinterEntry.h"
#include "SourceQueue.h"

#include <QList>
#include <QSet>
#include <QString>

// The entries the selection keeps of a listing, each job and queue with the
// forms it is compared and filtered by, made once per reload; and the records
// taken back out of them for those who want the listing itself.
class ListingEntries
{
public:
    // Marked selected where `selectedKeys` (canonical identifiers) names them.
    static QList<JobEntry> jobs(const QList<PrintJob> &jobs, const QSet<QString> &selectedKeys);
    static QList<PrinterEntry> printers(const QList<Printer> &printers);
    // Tells each queue how many of the listed jobs already wait in it.
    static void countWaiting(QList<PrinterEntry> &printers, const QList<SourceQueue> &sourceQueues);

    // The entries marked shown, `shownCount` of them; the list itself, shared,
    // when the filter shows everything.
    static QList<JobEntry> shown(const QList<JobEntry> &entries, qsizetype shownCount);

    static QList<PrintJob> jobsOf(const QList<JobEntry> &entries);
    static QList<Printer> printersOf(const QList<PrinterEntry> &entries);
    // The entries of `rows`, in that order.
    static QList<PrinterEntry> pick(const QList<PrinterEntry> &entries, const QList<qsizetype> &rows);
    static QList<Printer> printersAt(const QList<PrinterEntry> &entries, const QList<qsizetype> &rows);
};
