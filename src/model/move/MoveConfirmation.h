// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "ListedConfirmation.h"

#include <PrintJob.h>
#include <Printer.h>

#include <QList>
#include <QString>
#include <QStringList>

// What the user confirms before a move: a line per job with the queue it
// waits in, then, as notes, the destination, the scheduler when it is
// another machine's, the warning and what the states mean for this move.
// All empty while nothing can be confirmed.
struct MoveConfirmation : ListedConfirmation
{
    // "Nach: Archiv"
    QString destinationText;
    // "Server: druck01.example:631" when the jobs wait on another machine's
    // scheduler, else empty.
    QString schedulerText;
    // That paper size and driver options may differ at the destination.
    QString warning;
    // What the jobs' and the destination's states mean for this move, if
    // anything: below the usual confirmation, never in place of it.
    QStringList stateWarnings;

    // Lists every job of `jobs`.
    static MoveConfirmation compose(const QList<PrintJob> &jobs, const Printer &destination,
                                    const QString &schedulerText);

    bool operator==(const MoveConfirmation &) const = default;
};
