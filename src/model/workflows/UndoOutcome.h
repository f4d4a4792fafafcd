// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "MoveOutcome.h"
#include "UndoPlan.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <utility>

// How taking back a move went: one move per queue the jobs go back to, each
// with that queue as its destination.
struct UndoOutcome
{
    // The plan as it ran: the jobs its destination still listed right
    // before, and those left out.
    UndoPlan plan;
    // In the order they ran.
    QList<MoveOutcome> moves;

    qsizetype movedBackCount() const
    {
        qsizetype count = 0;
        for (const MoveOutcome &move : moves)
            count += move.moved.size();
        return count;
    }

    qsizetype selectedCount() const
    {
        qsizetype count = 0;
        for (const MoveOutcome &move : moves)
            count += move.selectedCount;
        return count;
    }

    // Every move's failures, in the order the jobs were handed over.
    QList<std::pair<PrintJob, WorkflowError>> failures() const
    {
        QList<std::pair<PrintJob, WorkflowError>> failures;
        for (const MoveOutcome &move : moves)
            failures.append(move.failures);
        return failures;
    }
};
