// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "DestinationChoice.h"
#include "JobEntry.h"
#include "JobFilter.h"
#include "PrinterEntry.h"
#include "SelectedSources.h"
#include "SourceQueue.h"

#include <QFlags>
#include <QHash>
#include <QList>
#include <QSet>

#include <functional>
#include <optional>
#include <utility>

// The jobs and queues of the last reload, the user's selection, the chosen
// destination and the filter of the job pane, with every selection rule and
// every value derived from them. A plain value without signals or threads.
//
// The filter only decides which jobs are shown: a selected job that it hides
// stays selected and stays in the move.
//
// Identifiers compare by their canonical forms, queue names by their listed
// spelling (QueueName::canonical()): the window keeps apart what the listing
// spells apart. What the derived values need (the selected jobs per source
// queue, the offered destinations, the chosen destination's place) is kept up
// to date by every write, so a read costs no normalising and no search.
class JobSelection
{
public:
    // Called right after each write of an observable value is stored. A rule
    // that writes twice (the selection, then the destination) calls it twice,
    // so an observer sees the first write before the second happens.
    using Written = std::function<void()>;

    // What the row models show, changed since the last takeChanges().
    enum Change {
        Listing = 0x1, // the jobs were replaced
        Marks = 0x2, // some job's selected flag changed
        Destinations = 0x4, // the offered queues or the chosen one changed
        Shown = 0x8, // the filter shows other jobs than before
    };
    Q_DECLARE_FLAGS(Changes, Change)

    // Writes. The selection survives new lists as it is; retainListed()
    // trims it.
    void setLists(const QList<PrintJob> &jobs, const QList<Printer> &printers);
    // Canonical identifiers.
    void setSelectedKeys(QSet<QString> keys);
    void setDestinationID(const std::optional<QString> &name);

    // Flips the selection of `job`, which need not be listed. Then, when the
    // chosen destination has become the source queue of a selected job, drops
    // it; deselecting never drops it.
    void toggle(const PrintJob &job, const Written &written = {});
    // After a reload: keeps only listed jobs selected, then keeps the
    // destination only when it is still offered (always a write otherwise,
    // also when there was none).
    void retainListed(const Written &written = {});

    // The filter. A source queue that no listed job waits in any more falls
    // back to all queues at the next setLists().
    void setFilterText(const QString &text);
    void setFilterQueue(const std::optional<QString> &key);
    // Selects every shown job, then drops the destination as toggle() does.
    void selectShown(const Written &written = {});
    // Deselects every job, hidden ones included; the destination stays.
    void clearSelection(const Written &written = {});

    Changes takeChanges() { return std::exchange(m_changes, {}); }

    using SourceQueue = ::SourceQueue;

    // Stored values.
    const QList<JobEntry> &entries() const { return m_jobs; }
    const JobFilter &filter() const { return m_filter; }
    QList<PrintJob> jobs() const;
    QList<Printer> printers() const;
    const QList<PrinterEntry> &printerEntries() const { return m_printers; }
    // Canonical identifiers; may name jobs that are not listed.
    const QSet<QString> &selectedKeys() const { return m_selectedKeys; }
    const std::optional<QString> &destinationID() const { return m_destination.id(); }

    // Derived values.
    // Listed and selected, in listing order.
    QList<PrintJob> selectedJobs() const;
    qsizetype selectedCount() const { return m_selectedCount; }
    // The identifier as the window shows it when exactly one job is selected,
    // else empty.
    QString singleSelectedIdentifier() const;
    // Canonically equal names count once; the first spelling stands for them.
    QSet<QString> selectedSourceNames() const;
    // The same as the window shows them, sorted by code point and joined by ", ".
    QString sourceNamesText() const;
    // The queues that may receive the selection: all when nothing is
    // selected, else all but the selection's source queues; in listing order.
    QList<Printer> destinations() const;
    QList<PrinterEntry> destinationEntries() const;
    qsizetype destinationCount() const { return m_destination.offeredRows().size(); }
    // The first listed queue named like the destination.
    std::optional<Printer> destination() const;
    // Listed spelling of destinationID().
    const std::optional<QString> &destinationKey() const { return m_destination.key(); }
    // Jobs are selected, the destination is listed and is none of their
    // source queues. Whether a workflow runs is not the selection's business.
    bool canMove() const;

    // The entries the filter shows, in listing order.
    QList<JobEntry> shownEntries() const;
    qsizetype shownCount() const { return m_shownCount; }
    // Selected jobs the filter hides.
    qsizetype hiddenSelectedCount() const { return m_selectedCount - m_shownSelectedCount; }
    bool canSelectShown() const { return m_shownSelectedCount < m_shownCount; }
    bool canClearSelection() const { return !m_selectedKeys.isEmpty(); }
    // Every source queue of the listing, in the order of the destination list.
    const QList<SourceQueue> &sourceQueues() const { return m_sourceQueues; }
    // Of the queue the filter shows in sourceQueues(), or -1 for all.
    qsizetype filterQueueIndex() const;

private:
    bool destinationIsSource() const { return m_destination.isSourceOf(m_printers, m_selectedSources); }
    // Rebuilds the per-source counts from the entries' flags.
    void recount();
    void offerDestinations();
    // Marks what `m_filter` shows; `previous` is the filter that marked the
    // entries last, or none when they are new.
    void applyFilter(const std::optional<JobFilter> &previous);
    // Ends a rule that may have selected a job of the destination queue.
    void dropDestinationIfSource(const Written &written);

    QList<JobEntry> m_jobs;
    QList<PrinterEntry> m_printers;
    QSet<QString> m_selectedKeys;
    // The chosen destination, with its place and the queues offered.
    DestinationChoice m_destination;
    JobFilter m_filter;

    // Kept with every write.
    SelectedSources m_selectedSources;
    // selectedSourceNames(), kept from its first read until the selection
    // changes: every write compares the texts made of it.
    mutable std::optional<QSet<QString>> m_selectedSourceNames;
    qsizetype m_selectedCount = 0;
    QList<SourceQueue> m_sourceQueues;
    qsizetype m_shownCount = 0;
    qsizetype m_shownSelectedCount = 0;
    Changes m_changes;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(JobSelection::Changes)
