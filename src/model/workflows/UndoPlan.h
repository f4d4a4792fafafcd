// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include <PrintJob.h>

#include <QList>
#include <QString>
#include <QStringList>

// What taking back a move will do: each of its jobs that its destination
// still lists goes back to the queue it came from.
struct UndoPlan
{
    // One job to take back: as the destination lists it now (CUPS kept its
    // number, so Farbe-7 is Ziel-7 there), and the queue it came from.
    struct Return
    {
        PrintJob job;
        QString sourceQueue;

        bool operator==(const Return &) const = default;
    };

    // The queue the move took the jobs to.
    QString destination;
    // In the order the move handed them over.
    QList<Return> returns;
    // The moved jobs the destination no longer lists (printed, cancelled,
    // moved on), named as they stood there.
    QStringList leftOut;

    bool operator==(const UndoPlan &) const = default;

    // The plan as far as `listed` still shows its jobs in the destination;
    // the others are left out. lpmove takes a job's number wherever the job
    // stands, so a job moved on meanwhile must not be pulled back.
    UndoPlan stillListed(const QList<PrintJob> &listed) const;
    // A job left out, named as it stood in `destination`.
    static QString leftOutName(const QString &destination, const PrintJob &job);
};
