// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "ConfirmationCache.h"

#include <utility>

bool ConfirmationCache::update(const JobSelection &selection, JobSelection::Changes changes)
{
    const bool outdated = changes & (JobSelection::Listing | JobSelection::Marks | JobSelection::Destinations);
    if (outdated)
        m_composed.reset();
    const bool confirmable = isConfirmable(selection);
    const bool wasConfirmable = std::exchange(m_wasConfirmable, confirmable);
    return outdated && (wasConfirmable || confirmable);
}

const MoveConfirmation &ConfirmationCache::read(const JobSelection &selection) const
{
    if (m_composed)
        return *m_composed;
    if (!isConfirmable(selection))
        return m_composed.emplace();
    return m_composed.emplace(
        MoveConfirmation::compose(selection.selectedJobs(), *selection.destination(), m_schedulerText));
}

bool ConfirmationCache::isConfirmable(const JobSelection &selection)
{
    return selection.destination() && selection.selectedCount() > 0;
}
