#pragma once

#include <CUPSService.h>

#include <QFuture>

// The move of one job, kept here until CUPSService offers it; same shape as
// the service's, so that switching over is one call.
//
// The refusal checks, a fresh availability check, lpmove with the job's
// identifier and the destination's name, and the verdict on its exit status.
QFuture<CUPSResult<void>> moveOneJob(const CUPSService &service, const PrintJob &job, const Printer &destination,
                                     const QList<Printer> &knownQueues);
