// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "WorkflowError.h"

#include <CUPSService.h>
#include <PrintJob.h>

#include <QFuture>
#include <QList>

#include <functional>
#include <utility>

// Hands jobs to CUPS one after the other, in the order given, as a move and
// a hold, release or cancel do: each job's failure is noted and the next one
// tried, until the scheduler leaves one without an answer (no connection,
// a broken exchange, the time limit): the jobs not yet handed over then fail
// at once, as not tried. Its steps continue on the UI thread and need
// nothing of the window.
namespace JobByJob {

struct Results
{
    QList<PrintJob> succeeded;
    // In the order the jobs were handed over.
    QList<std::pair<PrintJob, WorkflowError>> failures;
};

// What is done to one job.
using Step = std::function<QFuture<CUPSResult<void>>(const PrintJob &job)>;
// Called on the UI thread each time a job has had its turn, with the number
// of jobs handled so far.
using Progress = std::function<void(qsizetype handled)>;

// Finishes once every job has had its turn.
QFuture<Results> run(const QList<PrintJob> &jobs, const Step &step, const Progress &progress = {});

} // namespace JobByJob
