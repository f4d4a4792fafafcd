// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "JobActionVerification.h"

#include "ModelTexts.h"
#include "VerifiedOrder.h"

#include <QHash>

#include <optional>

namespace {

// What the listing shows of the action's effect on one job: the reason it
// did not happen, or nothing when it did; no answer when it cannot tell.
std::optional<std::optional<QString>> finding(JobAction action, const PrintJob *after)
{
    using Found = std::optional<std::optional<QString>>;
    const std::optional<QString> happened;
    switch (action) {
    case JobAction::Cancel:
        return after ? Found(ModelTexts::stillWaiting(after->sourcePrinterName)) : Found(happened);
    case JobAction::Release:
        if (!after)
            return Found(happened);
        if (!after->state)
            return std::nullopt;
        return *after->state == PrintJob::State::Held ? Found(ModelTexts::stillHeld()) : Found(happened);
    case JobAction::Hold:
        if (!after)
            return Found(ModelTexts::goneBeforeHeld());
        if (!after->state)
            return std::nullopt;
        return *after->state == PrintJob::State::Held ? Found(happened) : Found(ModelTexts::notHeld());
    }
    return std::nullopt;
}

} // namespace

namespace JobActionVerification {

JobActionOutcome verified(const JobActionOutcome &outcome, const QList<PrintJob> &handedOver,
                          const QList<PrintJob> &listedAfter)
{
    QHash<QString, const PrintJob *> listed;
    for (const PrintJob &job : listedAfter)
        listed.insert(job.jobIdentifier().numberKey(), &job);

    QHash<PrintJob, WorkflowError> failures;
    for (const auto &[job, error] : outcome.failures) {
        const QString key = job.jobIdentifier().numberKey();
        const std::optional<std::optional<QString>> found = finding(outcome.action, listed.value(key));
        // Only a request that got no answer may have done its work unseen: the
        // listing decides. What the scheduler refused stays refused, also when
        // the job has gone since, which then was most likely printed.
        if (error.isTimeout() && found && !found->has_value())
            continue;
        const bool gone = !listed.contains(key);
        failures.insert(job, gone && !error.isTimeout() ? error.withNote(ModelTexts::goneAfterRefusal()) : error);
    }
    for (const PrintJob &job : outcome.done) {
        const std::optional<std::optional<QString>> found
            = finding(outcome.action, listed.value(job.jobIdentifier().numberKey()));
        if (found && found->has_value())
            failures.insert(job, WorkflowError::unconfirmed(**found));
    }

    JobActionOutcome result {outcome.action, outcome.selectedCount, {}, {}, outcome.beingPrinted, outcome.alreadyDone};
    VerifiedOrder::sort(handedOver, failures, result.done, result.failures);
    return result;
}

} // namespace JobActionVerification
