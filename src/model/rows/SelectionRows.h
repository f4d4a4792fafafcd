// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "JobListModel.h"
#include "JobSelection.h"
#include "PrinterListModel.h"

#include <QStringListModel>

// The rows the window shows of a JobSelection: the jobs the filter lets
// pass, the destinations, and the source queue chooser's entries ("Alle
// Warteschlangen" first). They catch up after each write with what it
// changed, so a write that leaves a list alone does not rebuild its rows.
// The three models are children of the given parent.
class SelectionRows
{
public:
    explicit SelectionRows(QObject *parent);

    void catchUp(const JobSelection &selection, JobSelection::Changes changes);

    JobListModel *jobs() const { return m_jobs; }
    PrinterListModel *destinations() const { return m_destinations; }
    QStringListModel *sourceQueues() const { return m_sourceQueues; }

private:
    JobListModel *m_jobs;
    PrinterListModel *m_destinations;
    QStringListModel *m_sourceQueues;
};
