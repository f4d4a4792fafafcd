// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>
#include <QSet>
#include <QString>

// How many selected listed jobs wait in each source queue, by the queue's
// listed spelling (JobEntry::sourceKey()): the queues that may not receive
// the selection.
class SelectedSources
{
public:
    // Both say whether the queue's count crossed zero: then the offered
    // destinations change.
    bool add(const QString &sourceKey) { return m_counts[sourceKey]++ == 0; }
    bool remove(const QString &sourceKey)
    {
        const auto count = m_counts.find(sourceKey);
        if (--*count > 0)
            return false;
        m_counts.erase(count);
        return true;
    }

    bool contains(const QString &sourceKey) const { return m_counts.contains(sourceKey); }
    void clear() { m_counts.clear(); }

    // Source queue names as the window shows them, sorted by code point and
    // joined by ", ".
    static QString namesText(const QSet<QString> &names);

private:
    QHash<QString, qsizetype> m_counts;
};
