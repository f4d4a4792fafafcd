// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "JobActionVerification.h"

#include "ModelTexts.h"
#include "MoveVerification.h"

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
        listed.insert(MoveVerification::numberKey(job), &job);

    QHash<PrintJob, WorkflowError> failures;
    for (const auto &[job, error] : outcome.failures) {
        const std::optional<std::optional<QString>> found
            = finding(outcome.action, listed.value(MoveVerification::numberKey(job)));
        // A refusal stands, unless the job has simply gone: then nothing of
        // it waits, which is what a release or a cancel is for.
        const bool gone = !listed.contains(MoveVerification::numberKey(job)) && outcome.action != JobAction::Hold;
        const bool happenedInTime = error.isTimeout() && found && !found->has_value();
        if (!gone && !happenedInTime)
            failures.insert(job, error);
    }
    for (const PrintJob &job : outcome.done) {
        const std::optional<std::optional<QString>> found
            = finding(outcome.action, listed.value(MoveVerification::numberKey(job)));
        if (found && found->has_value())
            failures.insert(job, WorkflowError::unconfirmed(**found));
    }

    JobActionOutcome result {outcome.action, outcome.selectedCount, {}, {}};
    for (const PrintJob &job : handedOver) {
        if (const auto failure = failures.constFind(job); failure != failures.cend())
            result.failures.append({job, *failure});
        else
            result.done.append(job);
    }
    return result;
}

} // namespace JobActionVerification
