// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "JobByJob.h"
#include "MoveOutcome.h"

#include <CUPSService.h>

#include <QFuture>

// One move: hands the jobs to CUPS one after the other, each job's failure
// noted and the next one tried. Its steps continue on the UI thread. It needs
// nothing of the window, so a confirmed move carries on after the window has
// closed; the returned future finishes with the outcome once every job has had
// its turn.
class MoveWorkflow
{
public:
    using Progress = JobByJob::Progress;

    // `knownQueues` are the queues of the last reload, which the refusal
    // checks compare job identifiers against.
    static QFuture<MoveOutcome> run(const CUPSService &service, const QList<PrintJob> &jobs, const Printer &destination,
                                    const QList<Printer> &knownQueues, const Progress &progress = {});
};
