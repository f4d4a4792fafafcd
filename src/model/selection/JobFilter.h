// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include <PrintJob.h>

#include <QString>

#include <optional>

// Which listed jobs the job pane shows: those whose identifier (as shown),
// source queue, owner or title contains the typed text, ignoring case and
// treating canonically equal text as equal; optionally only the jobs of one
// source queue. An empty filter shows every job.
//
// Both sides are folded the same way (decomposed, case-folded, composed): the
// jobs' side once per reload (searchText()), the typed side once per change,
// so that matching is a plain substring search.
class JobFilter
{
public:
    // The text a job is matched against: its fields folded, each apart from
    // the next, so that no typed text matches across two of them.
    static QString searchText(const PrintJob &job);
    static QString folded(const QString &text);

    const QString &text() const { return m_text; }
    void setText(const QString &text);
    // Canonical name of the one source queue shown, or none for all.
    const std::optional<QString> &queueKey() const { return m_queueKey; }
    void setQueueKey(const std::optional<QString> &key) { m_queueKey = key; }

    bool isEmpty() const { return m_needle.isEmpty() && !m_queueKey; }
    bool matches(const QString &searchText, const QString &sourceKey) const
    {
        return (!m_queueKey || *m_queueKey == sourceKey) && searchText.contains(m_needle);
    }
    // Whether every job this filter shows is also shown by `other`: then
    // only those need to be matched again.
    bool narrows(const JobFilter &other) const;

private:
    QString m_text;
    QString m_needle; // m_text folded
    std::optional<QString> m_queueKey;
};
