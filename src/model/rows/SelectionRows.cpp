// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "SelectionRows.h"

#include "ModelTexts.h"

SelectionRows::SelectionRows(QObject *parent)
    : m_jobs(new JobListModel(parent))
    , m_destinations(new PrinterListModel(parent))
    , m_sourceQueues(new QStringListModel({ModelTexts::allSourceQueues()}, parent))
{ }

void SelectionRows::catchUp(const JobSelection &selection, JobSelection::Changes changes)
{
    // A reload keeps the rows of the jobs that stay; a new filter refills
    // the rows there are.
    if (changes & JobSelection::Listing)
        m_jobs->update(selection.shownEntries());
    else if (changes & JobSelection::Shown)
        m_jobs->refill(selection.shownEntries());
    else if (changes & JobSelection::Marks)
        m_jobs->updateSelection(selection.entries());
    if (changes & JobSelection::Listing) {
        QStringList choices {ModelTexts::allSourceQueues()};
        for (const JobSelection::SourceQueue &queue : selection.sourceQueues())
            choices.append(ModelTexts::sourceQueueChoice(queue.name, queue.jobCount));
        // Unchanged choices keep the chooser's rows, and an open list stays open.
        if (choices != m_sourceQueues->stringList())
            m_sourceQueues->setStringList(choices);
    }
    if (changes & JobSelection::Destinations)
        m_destinations->update(selection.destinationEntries(), selection.destinationKey());
}
