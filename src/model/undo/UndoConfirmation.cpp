// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "UndoConfirmation.h"

#include "ModelTexts.h"

#include <QueueName.h>

#include <QSet>

#include <algorithm>

UndoConfirmation UndoConfirmation::compose(const UndoPlan &plan, const QList<Printer> &queues,
                                           const QString &schedulerText)
{
    UndoConfirmation confirmation;
    confirmation.headline = ModelTexts::undoConfirmationHeadline(plan.returns.size());
    confirmation.lines = ModelTexts::undoConfirmationLines(plan);
    confirmation.plan = plan;
    if (!schedulerText.isEmpty())
        confirmation.notes.append(schedulerText);
    if (!plan.leftOut.isEmpty())
        confirmation.notes.append(ModelTexts::undoLeftOut(plan.destination, plan.leftOut));
    // A queue the jobs go back to that is stopped or rejects jobs, in the
    // move's words; a queue gone since the reload the scheduler will name.
    QList<PrintJob> jobs;
    QSet<QString> warnedQueues;
    for (const UndoPlan::Return &back : plan.returns) {
        jobs.append(back.job);
        const auto queue = std::ranges::find_if(
            queues, [&back](const Printer &queue) { return queue.queueName() == QueueName(back.sourceQueue); });
        if (queue != queues.cend() && !warnedQueues.contains(queue->name)) {
            warnedQueues.insert(queue->name);
            confirmation.notes.append(ModelTexts::confirmationStateWarnings({}, *queue));
        }
    }
    // The jobs being printed; Printer() is a ready queue, which adds nothing.
    confirmation.notes.append(ModelTexts::confirmationStateWarnings(jobs, Printer()));
    return confirmation;
}
