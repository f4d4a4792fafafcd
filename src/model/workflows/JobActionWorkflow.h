// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "JobActionOutcome.h"
#include "JobByJob.h"

#include <CUPSService.h>

#include <QFuture>

// One hold, release or cancel: asks the scheduler for each job one after the
// other, each job's failure noted and the next one tried, as a move does. It
// needs nothing of the window, so a confirmed cancel carries on after the
// window has closed; the returned future finishes with the outcome once every
// job has had its turn.
class JobActionWorkflow
{
public:
    using Progress = JobByJob::Progress;

    static QFuture<JobActionOutcome> run(const CUPSService &service, const QList<PrintJob> &jobs, JobAction action,
                                         const Progress &progress = {});
};
