// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "ListedConfirmation.h"

#include <PrintJob.h>

#include <QList>
#include <QString>

// What the user confirms before jobs are cancelled: a line per job with its
// queue and its title when known, then what cancelling means.
struct CancelConfirmation : ListedConfirmation
{
    // Exactly the jobs listed, which a confirmed cancel acts on.
    QList<PrintJob> jobs;

    static CancelConfirmation compose(const QList<PrintJob> &jobs, const QString &schedulerText);

    bool operator==(const CancelConfirmation &) const = default;
};
