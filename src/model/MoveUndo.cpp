// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "MoveUndo.h"

#include "ModelTexts.h"
#include "MoveVerification.h"

#include <QueueName.h>

#include <QHash>

#include <utility>

using namespace Qt::StringLiterals;

void MoveUndo::offer(const MoveOutcome &verified)
{
    m_destination = verified.destination.name;
    m_moved = verified.moved;
    m_confirmation = {};
}

void MoveUndo::withdraw()
{
    m_destination.clear();
    m_moved.clear();
    m_confirmation = {};
}

UndoPlan MoveUndo::plan(const QList<PrintJob> &listed) const
{
    // CUPS keeps a job's number when it moves it: the number finds the job,
    // whatever the destination's listing calls it.
    QHash<QString, PrintJob> listedByNumber;
    listedByNumber.reserve(listed.size());
    for (const PrintJob &job : listed)
        listedByNumber.insert(MoveVerification::numberKey(job), job);

    UndoPlan plan {m_destination, {}, {}};
    for (const PrintJob &job : m_moved) {
        const auto now = listedByNumber.constFind(MoveVerification::numberKey(job));
        if (now != listedByNumber.cend() && now->sourceQueue() == QueueName(m_destination))
            plan.returns.append({*now, job.sourcePrinterName});
        else
            plan.leftOut.append(ModelTexts::displayIdentifier(
                PrintJob {m_destination + u'-' + job.jobIdentifier().numberText().toString(), m_destination, {}, {}}));
    }
    return plan;
}

UndoPlan MoveUndo::takePlan()
{
    return std::exchange(m_confirmation, UndoConfirmation()).plan;
}
