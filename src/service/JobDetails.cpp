// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "JobDetails.h"

namespace {

template<typename Field, typename Told> void replaceWhenTold(Field &field, const std::optional<Told> &told)
{
    if (told)
        field = *told;
}

} // namespace

QList<PrintJob> JobDetails::addTo(const QList<PrintJob> &jobs, const Table &details)
{
    if (details.isEmpty())
        return jobs;
    QList<PrintJob> detailed;
    detailed.reserve(jobs.size());
    for (PrintJob job : jobs) {
        if (const auto found = details.constFind(job.jobIdentifier().jobKey()); found != details.cend()) {
            replaceWhenTold(job.owner, found->owner);
            replaceWhenTold(job.title, found->title);
            replaceWhenTold(job.state, found->state);
            replaceWhenTold(job.stateReasons, found->stateReasons);
            replaceWhenTold(job.submittedAt, found->submittedAt);
            replaceWhenTold(job.sizeKilobytes, found->sizeKilobytes);
        }
        detailed.append(std::move(job));
    }
    return detailed;
}
