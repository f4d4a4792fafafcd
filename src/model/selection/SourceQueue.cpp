// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "SourceQueue.h"

#include <QueueName.h>

#include <QHash>

QList<SourceQueue> SourceQueue::collect(const QList<JobEntry> &entries)
{
    QHash<QString, qsizetype> index; // listed spelling -> place in queues
    QList<SourceQueue> queues;
    for (const JobEntry &entry : entries) {
        const auto found = index.constFind(entry.sourceKey());
        if (found != index.cend()) {
            ++queues[*found].jobCount;
            continue;
        }
        index.insert(entry.sourceKey(), queues.size());
        queues.append(SourceQueue {entry.job().sourcePrinterName, entry.sourceKey(), 1});
    }

    // As the queue listing sorts the destinations.
    return QueueName::sorted(std::move(queues), [](const SourceQueue &queue) { return queue.name; });
}
