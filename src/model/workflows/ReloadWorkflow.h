// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "ReloadOutcome.h"

#include <CUPSService.h>

#include <QFuture>
#include <QObject>
#include <QPointer>

// One reload: a fresh availability check, then the job and the printer
// listing at once, and with them the question to the scheduler for its
// details; the details are added apart, once the lists are shown. Its steps
// continue on the UI thread; the returned futures always finish with an
// outcome, also when a step ended without a value.
class ReloadWorkflow
{
public:
    // Once `requester` is gone (its window closed), the tool runs already
    // started end, nothing further is started, and the outcome has no reader.
    static QFuture<ReloadOutcome> run(const CUPSService &service, const QPointer<const QObject> &requester);
    // The lists of `listed` with the scheduler's details, as far as it gives
    // them within the listing's time limit: the answers asked with the
    // listings, or asked now for an outcome that carries none. The same jobs
    // and queues in the same order. A failed outcome comes back as it is.
    static QFuture<ReloadOutcome> addDetails(const CUPSService &service, const ReloadOutcome &listed);
};
