// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "WorkflowError.h"

#include <PrintJob.h>

#include <QHash>
#include <QList>

#include <utility>

namespace VerifiedOrder {

// Rebuilds a verified outcome's two lists in the order the jobs were handed
// over, which is the order the report names them in: a job with an entry in
// `failures` fails with it, every other one succeeded.
inline void sort(const QList<PrintJob> &handedOver, const QHash<PrintJob, WorkflowError> &failures,
                 QList<PrintJob> &succeeded, QList<std::pair<PrintJob, WorkflowError>> &failed)
{
    for (const PrintJob &job : handedOver) {
        if (const auto failure = failures.constFind(job); failure != failures.cend())
            failed.append({job, *failure});
        else
            succeeded.append(job);
    }
}

} // namespace VerifiedOrder
