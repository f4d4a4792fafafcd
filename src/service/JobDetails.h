// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "PrintJob.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// What a source of details (the scheduler, or the detailed job listing when
// the scheduler says nothing) tells about one listed job. Only what it told
// is set; owner and title only ever to non-empty text.
struct JobDetails
{
    std::optional<QString> owner;
    std::optional<QString> title;
    std::optional<PrintJob::State> state;
    std::optional<QStringList> stateReasons;
    std::optional<QDateTime> submittedAt;
    std::optional<qint64> sizeKilobytes;

    // Details by the job they are about, keyed by JobIdentifier::jobKey().
    using Table = QHash<QString, JobDetails>;

    // The listed jobs in their order, each with what `details` tells about it
    // in place of what the listing said: an owner or title the source gave
    // wins over the listing's.
    static QList<PrintJob> addTo(const QList<PrintJob> &jobs, const Table &details);
};
