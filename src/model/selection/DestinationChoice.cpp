// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "DestinationChoice.h"

#include <algorithm>

bool DestinationChoice::choose(const std::optional<QString> &id, const QList<PrinterEntry> &queues)
{
    m_id = id;
    std::optional<QString> key;
    if (m_id)
        key = QueueName(*m_id).canonical();
    qsizetype index = -1;
    if (key) {
        const auto found = std::find_if(queues.cbegin(), queues.cend(),
                                        [&key](const PrinterEntry &entry) { return entry.key == *key; });
        if (found != queues.cend())
            index = found - queues.cbegin();
    }
    const bool changed = key != m_key;
    m_key = std::move(key);
    m_index = index;
    return changed;
}

bool DestinationChoice::offer(const QList<PrinterEntry> &queues, const SelectedSources &sources)
{
    QList<qsizetype> rows;
    rows.reserve(queues.size());
    for (qsizetype i = 0; i < queues.size(); ++i) {
        if (!sources.contains(queues.at(i).key))
            rows.append(i);
    }
    if (rows == m_offeredRows)
        return false;
    m_offeredRows = std::move(rows);
    return true;
}
