// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "PrinterEntry.h"
#include "SelectedSources.h"

#include <QList>
#include <QString>

#include <optional>

// The queue the selection is to move to, as the user named it, and the queues
// that may receive the selection, as places in the listed queues. Names
// compare by their listed spelling (PrinterEntry::key).
class DestinationChoice
{
public:
    const std::optional<QString> &id() const { return m_id; }
    // Listed spelling of id().
    const std::optional<QString> &key() const { return m_key; }
    // Place of the first listed queue named like id(), or -1.
    qsizetype index() const { return m_index; }
    // Places of the queues offered, in listing order.
    const QList<qsizetype> &offeredRows() const { return m_offeredRows; }

    // Both say whether what the window shows of the destinations changed.
    bool choose(const std::optional<QString> &id, const QList<PrinterEntry> &queues);
    // Offers every queue in which no selected job waits.
    bool offer(const QList<PrinterEntry> &queues, const SelectedSources &sources);

    // Whether a selected job waits in the chosen queue.
    bool isSourceOf(const QList<PrinterEntry> &queues, const SelectedSources &sources) const
    {
        return m_index >= 0 && sources.contains(queues.at(m_index).key);
    }

private:
    std::optional<QString> m_id;
    std::optional<QString> m_key;
    qsizetype m_index = -1;
    QList<qsizetype> m_offeredRows;
};
