// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "MoveOutcome.h"

#include <PrintJob.h>
#include <Printer.h>

#include <QList>

// Checks what lpmove reported against the listing that followed the move.
// CUPS keeps a job's number when it moves the job (Farbe-1 becomes Ziel-1), so
// the number tells where each job is now. lpmove exits 0 also when it moved
// something else than it was asked to (a queue named like the job), and a run
// stopped at its time limit may have moved the job all the same.
namespace MoveVerification {

// `outcome` as the listing `listedAfter` bears it out, failures in the order
// of `handedOver` (the jobs of the move):
// - a job reported moved that is still listed in its source queue, or listed
//   in a queue other than the destination, did not move;
// - a job whose run was stopped at its time limit moved if it is listed in
//   the destination;
// - a job listed nowhere has left CUPS's waiting jobs (printed or cancelled)
//   and keeps what lpmove reported,
// - unless the destination is missing from `queuesAfter`: CUPS cancels the
//   jobs of a queue that is deleted, so a job reported moved there did not
//   reach a printer.
MoveOutcome verified(const MoveOutcome &outcome, const QList<PrintJob> &handedOver, const QList<PrintJob> &listedAfter,
                     const QList<Printer> &queuesAfter);

} // namespace MoveVerification
