// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "MoveVerification.h"

#include "ModelTexts.h"
#include "VerifiedOrder.h"

#include <QueueName.h>

#include <QHash>

#include <algorithm>
#include <optional>

namespace MoveVerification {

MoveOutcome verified(const MoveOutcome &outcome, const QList<PrintJob> &handedOver, const QList<PrintJob> &listedAfter,
                     const QList<Printer> &queuesAfter)
{
    QHash<QString, QString> queueOfNumber;
    for (const PrintJob &job : listedAfter)
        queueOfNumber.insert(job.jobIdentifier().numberKey(), job.sourcePrinterName);
    const auto queueNow = [&queueOfNumber](const PrintJob &job) -> std::optional<QString> {
        const auto found = queueOfNumber.constFind(job.jobIdentifier().numberKey());
        return found == queueOfNumber.cend() ? std::nullopt : std::optional<QString>(*found);
    };
    const QString &destination = outcome.destination.name;
    const bool destinationListed = std::ranges::any_of(
        queuesAfter, [&destination](const Printer &queue) { return queue.queueName() == QueueName(destination); });

    QHash<PrintJob, WorkflowError> failures;
    for (const auto &[job, error] : outcome.failures) {
        const std::optional<QString> queue = queueNow(job);
        if (!error.isTimeout() || !queue || QueueName(*queue) != QueueName(destination))
            failures.insert(job, error);
    }
    for (const PrintJob &job : outcome.moved) {
        const std::optional<QString> queue = queueNow(job);
        if (!queue || QueueName(*queue) == QueueName(destination)) {
            if (!destinationListed)
                failures.insert(job, WorkflowError::unconfirmed(ModelTexts::destinationVanished(destination)));
            continue;
        }
        const QString reason = QueueName(*queue) == job.sourceQueue()
            ? ModelTexts::stillInSourceQueue(*queue)
            : ModelTexts::landedElsewhere(*queue, destination);
        failures.insert(job, WorkflowError::unconfirmed(reason));
    }

    MoveOutcome result {outcome.destination, outcome.selectedCount, {}, {}};
    VerifiedOrder::sort(handedOver, failures, result.moved, result.failures);
    return result;
}

} // namespace MoveVerification
