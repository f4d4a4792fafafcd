// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "ReloadOutcome.h"

#include <CUPSService.h>

#include <QFuture>
#include <QObject>
#include <QPointer>

// One reload: a fresh availability check, then the job and the printer
// listing at once. Its steps continue on the UI thread; the returned future
// always finishes with an outcome, also when a step ended without a value.
class ReloadWorkflow
{
public:
    // Once `requester` is gone (its window closed), the tool runs already
    // started end, nothing further is started, and the outcome has no reader.
    static QFuture<ReloadOutcome> run(const CUPSService &service, const QPointer<const QObject> &requester);
};
