// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "WorkflowError.h"

#include <DetailsLookup.h>
#include <PrintJob.h>
#include <Printer.h>

#include <QList>
#include <QString>

#include <optional>

// What one reload found, for the model to store.
struct ReloadOutcome
{
    // Set when the reload failed; the lists are then empty.
    std::optional<WorkflowError> error;
    QList<PrintJob> jobs;
    QList<Printer> printers;
    QString lpmovePath;
    // The scheduler's details, asked for while the lists were read; not
    // valid futures where nobody asked yet.
    DetailsLookup::AskedJobs jobDetails;
    DetailsLookup::AskedQueues queueDetails;

    static ReloadOutcome failed(const WorkflowError &error) { return ReloadOutcome {error, {}, {}, {}, {}, {}}; }
};
