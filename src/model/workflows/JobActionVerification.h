// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "JobActionOutcome.h"

#include <PrintJob.h>

#include <QList>

// Checks what the scheduler answered to a hold, release or cancel against
// the listing that followed it, with the states its details gave. A job
// keeps its number, and the action never moves it, so the number finds it.
namespace JobActionVerification {

// `outcome` as `listedAfter` bears it out, failures in the order of
// `handedOver` (the jobs of the action):
// - a job reported held must list as held, a released one as not held, and a
//   cancelled one must be gone; otherwise it failed, with the reason;
// - a job whose request was stopped at its time limit counts as done when the
//   listing shows the action's effect;
// - a request the scheduler refused stays a failure with its reason, also
//   when the job is gone afterwards (then most likely printed, and said so);
// - a job whose state the scheduler did not give keeps what it answered.
JobActionOutcome verified(const JobActionOutcome &outcome, const QList<PrintJob> &handedOver,
                          const QList<PrintJob> &listedAfter);

} // namespace JobActionVerification
