// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "MoveOutcome.h"
#include "UndoConfirmation.h"
#include "UndoPlan.h"

#include <PrintJob.h>

#include <QList>
#include <QString>

// Taking back the last move, as the window model keeps it: which jobs the
// move took where, offered from its report until another move or action
// starts, and the confirmation that lists what goes back. A plain value; the
// model announces what changes.
class MoveUndo
{
public:
    // Offers to take back what `verified` bore out as moved; withdraws the
    // offer when it moved nothing.
    void offer(const MoveOutcome &verified);
    // Also closes an open confirmation.
    void withdraw();
    bool isOffered() const { return !m_moved.isEmpty(); }
    // Whether the last reload listed the jobs. A failed one empties the
    // lists, which then tell nothing of where the moved jobs are: the offer
    // stands, but waits for a reload that lists again.
    void listsLoaded(bool succeeded) { m_waitsForLists = !succeeded; }
    bool waitsForLists() const { return isOffered() && m_waitsForLists; }

    // The offered jobs as `listed` shows them: each one the destination
    // still lists under the job's number goes back where it came from.
    UndoPlan plan(const QList<PrintJob> &listed) const;

    // The confirmation while it is open, else a blank one.
    const UndoConfirmation &confirmation() const { return m_confirmation; }
    bool isAsking() const { return !m_confirmation.plan.returns.isEmpty(); }
    void ask(const UndoConfirmation &confirmation) { m_confirmation = confirmation; }
    // Closes the confirmation and hands back the plan it listed.
    UndoPlan takePlan();

private:
    QString m_destination;
    // As they were listed before the move.
    QList<PrintJob> m_moved;
    UndoConfirmation m_confirmation;
    bool m_waitsForLists = false;
};
