// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "ReloadLedger.h"

#include <utility>

void ReloadLedger::shown(quint64 reload)
{
    m_shown = reload;
    m_heldDetails.reset();
}

void ReloadLedger::hold(const ReloadOutcome &listed, quint64 reload)
{
    m_heldReload = listed;
    m_heldReloadNumber = reload;
    m_heldDetails.reset();
}

std::optional<ReloadOutcome> ReloadLedger::detailsArrived(const ReloadOutcome &detailed, quint64 reload,
                                                          bool confirming)
{
    if (m_heldReload) {
        if (m_heldReloadNumber == reload)
            m_heldReload = detailed;
        return std::nullopt;
    }
    if (m_shown != reload)
        return std::nullopt;
    if (confirming) {
        m_heldDetails = detailed;
        return std::nullopt;
    }
    return detailed;
}

std::optional<ReloadOutcome> ReloadLedger::takeHeldReload()
{
    if (m_heldReload)
        m_shown = m_heldReloadNumber;
    return std::exchange(m_heldReload, std::nullopt);
}

std::optional<ReloadOutcome> ReloadLedger::takeHeldDetails()
{
    return std::exchange(m_heldDetails, std::nullopt);
}
