// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
// The values PrintJobsViewModel composes for the view from what it keeps.
#include "PrintJobsViewModel.h"

#include "DisplayText.h"
#include "ModelTexts.h"

JobFilterView PrintJobsViewModel::filter() const
{
    return JobFilterView {
        .queueChoices = m_rows.sourceQueues(),
        .queueIndex = int(m_selection.filterQueueIndex() + 1),
        .shownCount = int(m_selection.shownCount()),
    };
}

MoveProgress PrintJobsViewModel::moveProgress() const
{
    const std::optional<JobAction> &action = m_actions.running();
    if (!action)
        return MoveProgress::of(m_moveDoneCount, m_moveTotalCount, m_isMoving);
    if (m_moveTotalCount == 0)
        return {};
    return MoveProgress {int(m_moveDoneCount), int(m_moveTotalCount),
                         ModelTexts::actionProgress(*action, m_moveDoneCount, m_moveTotalCount)};
}

QString PrintJobsViewModel::selectionNote() const
{
    return ModelTexts::selectionNote(m_selection.selectedCount(), m_selection.hiddenSelectedCount());
}

QString PrintJobsViewModel::selectedDestinationName() const
{
    const std::optional<Printer> destination = selectedDestination();
    return destination ? DisplayText::field(destination->name) : QString();
}

QString PrintJobsViewModel::lpmovePathText() const
{
    return DisplayText::field(m_lpmovePath.value_or(QString()));
}
