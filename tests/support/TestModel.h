// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

// Steps on the window model shared by the workflow tests. Header only:
// include it from targets that link parvento_model.

#include <PrintJobsViewModel.h>

#include <QStringList>

namespace TestModel {

// Selects exactly these jobs (by identifier) and the destination, as clicks would.
inline void choose(PrintJobsViewModel &model, const QStringList &jobs, const QString &destination)
{
    for (const PrintJob &job : model.selection()->jobs()) {
        if (jobs.contains(job.identifier) != model.selection()->selectedJobIDs().contains(job.identifier))
            model.selection()->toggleJobSelection(job);
    }
    model.selection()->setSelectedDestinationID(destination);
}

} // namespace TestModel
