// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "MoveUndo.h"

#include <utility>

void MoveUndo::offer(const MoveOutcome &verified)
{
    m_destination = verified.destination.name;
    m_moved = verified.moved;
    m_confirmation = {};
}

void MoveUndo::withdraw()
{
    m_destination.clear();
    m_moved.clear();
    m_confirmation = {};
}

UndoPlan MoveUndo::plan(const QList<PrintJob> &listed) const
{
    UndoPlan offered {m_destination, {}, {}};
    for (const PrintJob &job : m_moved)
        offered.returns.append({job, job.sourcePrinterName});
    return offered.stillListed(listed);
}

UndoPlan MoveUndo::takePlan()
{
    return std::exchange(m_confirmation, UndoConfirmation()).plan;
}
