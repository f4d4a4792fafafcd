// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "AppNotice.h"
#include "JobByJob.h"
#include "ReloadOutcome.h"

#include <Printer.h>

#include <QFuture>
#include <QList>
#include <QString>

#include <functional>

// What a finished piece of counted work leaves: its report and the status line.
struct WorkReport
{
    AppNotice notice;
    QString status;
};

// How a piece of counted work reports once every job has had its turn.
struct WorkVerdicts
{
    // What was handed over, as it was handed over: for when the closing
    // reload cannot list, with `notCheckedNote` below it.
    WorkReport unchecked;
    QString notCheckedNote;
    // What the closing reload bears out (its lists, with their details for
    // work that checks states).
    std::function<WorkReport(const ReloadOutcome &closing)> checked;
};

// One piece of counted work, as a capability hands it to CountedWork: what it
// does per job and how it is checked; the runner does the rest.
struct WorkTask
{
    enum class Kind {
        // Jobs go to other queues: a move, or taking one back.
        Moving,
        // A hold, release or cancel.
        Acting,
    };
    using HandOver
        = std::function<QFuture<WorkVerdicts>(JobByJob::Progress progress, const QList<Printer> &listedSince)>;

    Kind kind = Kind::Moving;
    qsizetype jobCount = 0;
    // "Verschiebe 37 von 120 …"
    std::function<QString(qsizetype done, qsizetype total)> progressText;
    // Hands every job over, counting each off. `listedSince` are the queues a
    // reload that the work waited for listed, else empty.
    HandOver handOver;
    // The verdicts when handing over ended without an outcome.
    std::function<WorkVerdicts()> failedUnexpectedly;
    // The check needs the jobs' states, which only the closing reload's
    // details tell.
    bool checksStates = false;
};
