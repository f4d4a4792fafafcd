// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "MoveWorkflow.h"
#include "UndoOutcome.h"
#include "UndoPlan.h"

#include <CUPSService.h>

#include <QFuture>

// Takes back a move: a MoveWorkflow per queue the jobs came from, one after
// the other, since a move has one destination. Like a move it needs nothing of
// the window and carries on after it has closed.
namespace UndoWorkflow {

// Right before it moves anything, it lists the jobs again: what the
// destination no longer holds is left out (a listing that fails fails every
// job, and nothing moves). `progress` counts the jobs of the whole plan. The
// outcome's moves are in the order the source queues first appear in the plan.
QFuture<UndoOutcome> run(const CUPSService &service, const UndoPlan &plan, const QList<Printer> &knownQueues,
                         const MoveWorkflow::Progress &progress = {});

// The jobs of `plan` that go back to `sourceQueue`, in the plan's order.
QList<PrintJob> jobsBackTo(const UndoPlan &plan, const QString &sourceQueue);

// Every job of `plan` failed with `error`.
UndoOutcome allFailed(const UndoPlan &plan, const WorkflowError &error);

// `outcome` as the listing after it bears it out, move by move
// (MoveVerification::verified), against the plan as it ran.
UndoOutcome verified(const UndoOutcome &outcome, const QList<PrintJob> &listedAfter, const QList<Printer> &queuesAfter);

} // namespace UndoWorkflow
