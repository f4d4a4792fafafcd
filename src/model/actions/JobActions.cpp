// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "JobActions.h"

#include <QSet>

#include <utility>

bool JobActions::appliesTo(JobAction action, const PrintJob &job)
{
    switch (action) {
    case JobAction::Hold:
        // A job being printed is no longer waiting.
        return !job.state || *job.state == PrintJob::State::Pending || *job.state == PrintJob::State::Stopped;
    case JobAction::Release:
        return job.state == PrintJob::State::Held;
    case JobAction::Cancel:
        return true;
    }
    return false;
}

QList<PrintJob> JobActions::applicable(JobAction action, const QList<PrintJob> &jobs)
{
    QList<PrintJob> applicable;
    QSet<QString> numbers;
    for (const PrintJob &job : jobs) {
        if (appliesTo(action, job) && !numbers.contains(job.jobIdentifier().numberKey())) {
            numbers.insert(job.jobIdentifier().numberKey());
            applicable.append(job);
        }
    }
    return applicable;
}

QList<PrintJob> JobActions::beingPrinted(JobAction action, const QList<PrintJob> &jobs)
{
    return leftAlone(action, jobs, true);
}

QList<PrintJob> JobActions::alreadyDone(JobAction action, const QList<PrintJob> &jobs)
{
    return leftAlone(action, jobs, false);
}

QList<PrintJob> JobActions::leftAlone(JobAction action, const QList<PrintJob> &jobs, bool printing)
{
    QList<PrintJob> left;
    for (const PrintJob &job : jobs) {
        if (!appliesTo(action, job) && (job.state == PrintJob::State::Processing) == printing)
            left.append(job);
    }
    return left;
}

void JobActions::update(const JobSelection &selection, JobSelection::Changes changes)
{
    if (!(changes & (JobSelection::Listing | JobSelection::Marks)))
        return;
    m_canCancel = selection.selectedCount() > 0;
    m_canHold = false;
    m_canRelease = false;
    if (!m_canCancel)
        return;
    for (const JobEntry &entry : selection.entries()) {
        if (!entry.selected)
            continue;
        m_canHold = m_canHold || appliesTo(JobAction::Hold, entry.job());
        m_canRelease = m_canRelease || appliesTo(JobAction::Release, entry.job());
        if (m_canHold && m_canRelease)
            return;
    }
}

bool JobActions::allows(JobAction action) const
{
    switch (action) {
    case JobAction::Hold:
        return m_canHold;
    case JobAction::Release:
        return m_canRelease;
    case JobAction::Cancel:
        return m_canCancel;
    }
    return false;
}

QList<PrintJob> JobActions::closeCancelConfirmation()
{
    return std::exchange(m_cancelConfirmation, CancelConfirmation()).jobs;
}
