// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "ReloadOutcome.h"

#include <QtGlobal>

#include <optional>

// Where the scheduler's details of a reload belong. Reloads are numbered as
// they start; details reach only the lists they were asked for: the lists
// shown, or those held back while the confirmation is open (it lists
// exactly what will be moved). A later reload's lists stand until their own
// details come.
class ReloadLedger
{
public:
    // Numbers a reload that starts.
    quint64 start() { return ++m_started; }
    // The lists of `reload` are on screen.
    void shown(quint64 reload);
    // The lists of `reload` wait until the confirmation closes.
    void hold(const ReloadOutcome &listed, quint64 reload);

    // The details of `reload` came. Returns them when they belong on screen
    // now; keeps them for later when they belong to lists held back, or to
    // the lists shown while the confirmation is open; drops them otherwise.
    std::optional<ReloadOutcome> detailsArrived(const ReloadOutcome &detailed, quint64 reload, bool confirming);

    // The confirmation closed: what it held back, lists first (they are then
    // the lists shown), else details of the lists shown.
    std::optional<ReloadOutcome> takeHeldReload();
    std::optional<ReloadOutcome> takeHeldDetails();

    // Details asked for and not yet come or given up on.
    void detailsAsked() { ++m_detailsAwaited; }
    void detailsEnded() { --m_detailsAwaited; }
    bool isAwaitingDetails() const { return m_detailsAwaited > 0; }

private:
    quint64 m_started = 0;
    quint64 m_shown = 0;
    int m_detailsAwaited = 0;
    std::optional<ReloadOutcome> m_heldReload;
    quint64 m_heldReloadNumber = 0;
    // Details of the lists shown that came while the confirmation was open.
    std::optional<ReloadOutcome> m_heldDetails;
};
