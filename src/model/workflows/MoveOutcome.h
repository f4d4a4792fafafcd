// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "WorkflowError.h"

#include <PrintJob.h>
#include <Printer.h>

#include <QList>

#include <utility>

// How a move went, job by job, for the model to tell the user.
struct MoveOutcome
{
    Printer destination;
    // How many jobs the move was given.
    qsizetype selectedCount = 0;
    QList<PrintJob> moved;
    // In the order the jobs were handed over.
    QList<std::pair<PrintJob, WorkflowError>> failures;

    // Every job failed with `error`.
    static MoveOutcome allFailed(const QList<PrintJob> &jobs, const Printer &destination, const WorkflowError &error)
    {
        MoveOutcome outcome {destination, jobs.size(), {}, {}};
        for (const PrintJob &job : jobs)
            outcome.failures.append({job, error});
        return outcome;
    }
};
