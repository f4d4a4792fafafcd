// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "WorkflowError.h"

#include <JobAction.h>
#include <PrintJob.h>

#include <QList>

#include <utility>

// How a hold, release or cancel went, job by job, for the model to tell the
// user; the same shape as a move's outcome.
struct JobActionOutcome
{
    JobAction action = JobAction::Hold;
    // How many jobs the action was given.
    qsizetype selectedCount = 0;
    QList<PrintJob> done;
    // In the order the jobs were handed over.
    QList<std::pair<PrintJob, WorkflowError>> failures;
    // Selected, but not handed over because of their state: being printed
    // (a hold would start them again from the beginning), or already held
    // for a hold, not held for a release. Counted in `selectedCount`.
    QList<PrintJob> beingPrinted;
    QList<PrintJob> alreadyDone;

    // Every job failed with `error`.
    static JobActionOutcome allFailed(JobAction action, const QList<PrintJob> &jobs, const WorkflowError &error)
    {
        JobActionOutcome outcome {action, jobs.size(), {}, {}, {}, {}};
        for (const PrintJob &job : jobs)
            outcome.failures.append({job, error});
        return outcome;
    }
};
