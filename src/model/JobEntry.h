// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include <PrintJob.h>

#include <QString>

// One listed job as the window keeps it: the record, its canonical forms
// (computed once per reload, so that selecting and filtering compare them
// instead of normalising on every read), whether it is selected and whether
// the filter shows it. The job pane's rows are the shown entries.
struct JobEntry
{
    PrintJob job;
    // Canonical identifier: a job listed in another normalisation stays the same job.
    QString key;
    // Canonical source queue name.
    QString sourceKey;
    bool selected = false;
    // What the filter matches (JobFilter::searchText()).
    QString searchText;
    bool shown = true;

    // Same text as shown, exactly; canonical equality would hide a re-encoded
    // name from the view.
    bool showsSameAs(const JobEntry &other) const
    {
        return selected == other.selected && job.identifier == other.job.identifier
            && job.sourcePrinterName == other.job.sourcePrinterName && job.owner == other.job.owner
            && job.title == other.job.title && job.state == other.job.state
            && job.stateReasons == other.job.stateReasons && job.submittedAt == other.job.submittedAt
            && job.sizeKilobytes == other.job.sizeKilobytes;
    }
};

Q_DECLARE_TYPEINFO(JobEntry, Q_RELOCATABLE_TYPE);
