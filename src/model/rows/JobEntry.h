// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include <PrintJob.h>

#include <QString>

#include <memory>

// One listed job as the window keeps it: the record, its canonical forms
// (computed once per reload, so that selecting and filtering compare them
// instead of normalising on every read), whether it is selected and whether
// the filter shows it. The job pane's rows are the shown entries.
//
// What a reload lists never changes afterwards, so every copy of an entry
// shares it: a filter change copies thousands of entries at once, and a copy
// then touches one counter rather than a dozen strings spread over the heap.
class JobEntry
{
public:
    JobEntry(PrintJob job, QString key, QString sourceKey, bool selected, QString searchText)
        : selected(selected)
        , m_listed(std::make_shared<const Listed>(
              Listed {std::move(job), std::move(key), std::move(sourceKey), std::move(searchText)}))
    { }

    const PrintJob &job() const { return m_listed->job; }
    // Canonical identifier: a job listed in another normalisation stays the same job.
    const QString &key() const { return m_listed->key; }
    // The source queue's listed spelling (QueueName::canonical()).
    const QString &sourceKey() const { return m_listed->sourceKey; }
    // What the filter matches (JobFilter::searchText()).
    const QString &searchText() const { return m_listed->searchText; }

    bool selected = false;
    bool shown = true;

    // Same text as shown, exactly; canonical equality would hide a re-encoded
    // name from the view.
    bool showsSameAs(const JobEntry &other) const
    {
        if (selected != other.selected)
            return false;
        if (m_listed == other.m_listed)
            return true;
        const PrintJob &mine = job();
        const PrintJob &theirs = other.job();
        return mine.identifier == theirs.identifier && mine.sourcePrinterName == theirs.sourcePrinterName
            && mine.owner == theirs.owner && mine.title == theirs.title && mine.state == theirs.state
            && mine.stateReasons == theirs.stateReasons && mine.submittedAt == theirs.submittedAt
            && mine.sizeKilobytes == theirs.sizeKilobytes;
    }

private:
    struct Listed
    {
        PrintJob job;
        QString key;
        QString sourceKey;
        QString searchText;
    };

    std::shared_ptr<const Listed> m_listed;
};

Q_DECLARE_TYPEINFO(JobEntry, Q_RELOCATABLE_TYPE);
