// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "CancelConfirmation.h"
#include "JobSelection.h"

#include <JobAction.h>
#include <PrintJob.h>

#include <QList>

// Holding, releasing and cancelling the selected jobs: which jobs each
// applies to, what the selection allows, and the cancel that waits for the
// user's confirmation. A plain value; JobActionControl announces what changes.
class JobActions
{
public:
    // Whether `action` can do anything to `job`: a hold to a waiting job that
    // is not held (also one whose state the scheduler did not tell), a
    // release to a held one, a cancel to any.
    static bool appliesTo(JobAction action, const PrintJob &job);
    // The jobs of `jobs` that `action` applies to, in their order, each
    // number once: the scheduler takes the number alone, so "A-5" and "B-5"
    // from a broken listing are one job.
    static QList<PrintJob> applicable(JobAction action, const QList<PrintJob> &jobs);
    // The jobs of `jobs` that `action` leaves alone because of their state:
    // those being printed, and those already as the action would leave them
    // (held for a hold, not held for a release).
    static QList<PrintJob> beingPrinted(JobAction action, const QList<PrintJob> &jobs);
    static QList<PrintJob> alreadyDone(JobAction action, const QList<PrintJob> &jobs);

    // Finds out again what the selection allows when `changes` may have
    // changed it; a write that leaves the jobs and their marks costs nothing.
    void update(const JobSelection &selection, JobSelection::Changes changes);
    // Whether some selected job, hidden ones included, is one `action`
    // applies to. Whether anything runs is CountedWork's business.
    bool allows(JobAction action) const;

    // The cancel confirmation while it is open, else a blank one.
    const CancelConfirmation &cancelConfirmation() const { return m_cancelConfirmation; }
    bool isAskingToCancel() const { return !m_cancelConfirmation.jobs.isEmpty(); }
    void askToCancel(const CancelConfirmation &confirmation) { m_cancelConfirmation = confirmation; }
    // Closes the confirmation, however it was answered, and hands back the
    // jobs it listed.
    QList<PrintJob> closeCancelConfirmation();

private:
    // The jobs `action` does not apply to that are, or are not, being printed.
    static QList<PrintJob> leftAlone(JobAction action, const QList<PrintJob> &jobs, bool printing);

    bool m_canHold = false;
    bool m_canRelease = false;
    bool m_canCancel = false;
    CancelConfirmation m_cancelConfirmation;
};
