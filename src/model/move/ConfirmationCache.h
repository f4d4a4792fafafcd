// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "JobSelection.h"
#include "MoveConfirmation.h"

#include <QString>

#include <optional>

// The confirmation of a selection as it stands. Composed on the first read
// after the jobs, the selection or the destinations changed, not on every
// write: it lists every selected job, and the dialog reads it only as it
// opens.
class ConfirmationCache
{
public:
    // `schedulerText` names another machine's scheduler in every confirmation.
    explicit ConfirmationCache(const QString &schedulerText = {})
        : m_schedulerText(schedulerText)
    { }

    // Forgets what `changes` outdates. Returns whether the confirmation may
    // read differently now: what it is made of changed, and it is not empty
    // both before and after.
    bool update(const JobSelection &selection, JobSelection::Changes changes);
    const MoveConfirmation &read(const JobSelection &selection) const;

private:
    static bool isConfirmable(const JobSelection &selection);

    QString m_schedulerText;
    mutable std::optional<MoveConfirmation> m_composed;
    bool m_wasConfirmable = false;
};
