// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "JobSelection.h"

#include "ListingEntries.h"
#include "ModelTexts.h"

#include <algorithm>

namespace {

void notify(const JobSelection::Written &written)
{
    if (written)
        written();
}

} // namespace

// Writes.

void JobSelection::setLists(const QList<PrintJob> &jobs, const QList<Printer> &printers)
{
    m_printers = ListingEntries::printers(printers);
    // The chosen name may now name another place, or none.
    setDestinationID(destinationID());

    m_jobs = ListingEntries::jobs(jobs, m_selectedKeys);
    m_changes |= Listing | Destinations;
    m_sourceQueues = SourceQueue::collect(m_jobs);
    // Each destination row tells how many jobs already wait there.
    ListingEntries::countWaiting(m_printers, m_sourceQueues);
    // A queue that has no job left to show falls back to all of them.
    const std::optional<QString> &shownQueue = m_filter.queueKey();
    if (shownQueue && filterQueueIndex() < 0)
        m_filter.setQueueKey(std::nullopt);
    applyFilter(std::nullopt);
    recount();
}

void JobSelection::setSelectedKeys(QSet<QString> keys)
{
    m_selectedKeys = std::move(keys);
    for (JobEntry &entry : m_jobs) {
        const bool selected = m_selectedKeys.contains(entry.key());
        if (entry.selected != selected) {
            entry.selected = selected;
            m_changes |= Marks;
        }
    }
    recount();
}

void JobSelection::setDestinationID(const std::optional<QString> &name)
{
    if (m_destination.choose(name, m_printers))
        m_changes |= Destinations;
}

void JobSelection::setFilterText(const QString &text)
{
    const JobFilter previous = m_filter;
    m_filter.setText(text);
    applyFilter(previous);
}

void JobSelection::setFilterQueue(const std::optional<QString> &key)
{
    const JobFilter previous = m_filter;
    m_filter.setQueueKey(key);
    applyFilter(previous);
}

// Selection rules.

void JobSelection::toggle(const PrintJob &job, const Written &written)
{
    const QString key = job.jobIdentifier().canonical();
    const bool selected = !m_selectedKeys.remove(key);
    if (selected)
        m_selectedKeys.insert(key);

    // Only the entries of this job change, and the offered queues only when a
    // source queue gains its first or loses its last selected job.
    bool sourcesChanged = false;
    for (JobEntry &entry : m_jobs) {
        if (entry.key() != key || entry.selected == selected)
            continue;
        entry.selected = selected;
        m_changes |= Marks;
        m_selectedSourceNames.reset();
        if (entry.shown)
            m_shownSelectedCount += selected ? 1 : -1;
        m_selectedCount += selected ? 1 : -1;
        sourcesChanged
            |= selected ? m_selectedSources.add(entry.sourceKey()) : m_selectedSources.remove(entry.sourceKey());
    }
    if (sourcesChanged)
        offerDestinations();
    notify(written);
    dropDestinationIfSource(written);
}

void JobSelection::selectShown(const Written &written)
{
    // By key, so that a job listed twice is selected in both of its places.
    QSet<QString> keys = m_selectedKeys;
    keys.reserve(keys.size() + m_shownCount - m_shownSelectedCount);
    for (const JobEntry &entry : std::as_const(m_jobs)) {
        if (entry.shown && !entry.selected)
            keys.insert(entry.key());
    }
    setSelectedKeys(std::move(keys));
    notify(written);
    dropDestinationIfSource(written);
}

void JobSelection::clearSelection(const Written &written)
{
    setSelectedKeys({});
    notify(written);
}

void JobSelection::dropDestinationIfSource(const Written &written)
{
    if (destinationIsSource()) {
        setDestinationID(std::nullopt);
        notify(written);
    }
}

void JobSelection::retainListed(const Written &written)
{
    // The entries' flags already say which selected identifiers are listed:
    // the trimmed set is theirs, and no flag changes.
    QSet<QString> listed;
    listed.reserve(m_selectedCount);
    for (const JobEntry &entry : std::as_const(m_jobs)) {
        if (entry.selected)
            listed.insert(entry.key());
    }
    m_selectedKeys = std::move(listed);
    notify(written);

    if (m_destination.index() < 0 || destinationIsSource()) {
        setDestinationID(std::nullopt);
        notify(written);
    }
}

// Stored values.

QList<PrintJob> JobSelection::jobs() const
{
    return ListingEntries::jobsOf(m_jobs);
}

QList<Printer> JobSelection::printers() const
{
    return ListingEntries::printersOf(m_printers);
}

// Derived values.

QList<PrintJob> JobSelection::selectedJobs() const
{
    QList<PrintJob> selected;
    if (m_selectedCount == 0)
        return selected;
    selected.reserve(m_selectedCount);
    for (const JobEntry &entry : m_jobs) {
        if (entry.selected)
            selected.append(entry.job());
    }
    return selected;
}

QString JobSelection::singleSelectedIdentifier() const
{
    if (m_selectedCount != 1)
        return {};
    const auto found
        = std::find_if(m_jobs.cbegin(), m_jobs.cend(), [](const JobEntry &entry) { return entry.selected; });
    return ModelTexts::displayIdentifier(found->job());
}

QSet<QString> JobSelection::selectedSourceNames() const
{
    if (m_selectedSourceNames)
        return *m_selectedSourceNames;
    QSet<QString> names;
    QSet<QString> seen;
    if (m_selectedCount > 0) {
        for (const JobEntry &entry : m_jobs) {
            if (!entry.selected || seen.contains(entry.sourceKey()))
                continue;
            seen.insert(entry.sourceKey());
            names.insert(entry.job().sourcePrinterName);
        }
    }
    return *(m_selectedSourceNames = std::move(names));
}

QString JobSelection::sourceNamesText() const
{
    return SelectedSources::namesText(selectedSourceNames());
}

QList<Printer> JobSelection::destinations() const
{
    return ListingEntries::printersAt(m_printers, m_destination.offeredRows());
}

QList<PrinterEntry> JobSelection::destinationEntries() const
{
    return ListingEntries::pick(m_printers, m_destination.offeredRows());
}

std::optional<Printer> JobSelection::destination() const
{
    if (m_destination.index() < 0)
        return std::nullopt;
    return m_printers.at(m_destination.index()).printer;
}

bool JobSelection::canMove() const
{
    return m_selectedCount > 0 && m_destination.index() >= 0 && !destinationIsSource();
}

QList<JobEntry> JobSelection::shownEntries() const
{
    return ListingEntries::shown(m_jobs, m_shownCount);
}

qsizetype JobSelection::filterQueueIndex() const
{
    const std::optional<QString> &key = m_filter.queueKey();
    if (!key)
        return -1;
    const auto found = std::find_if(m_sourceQueues.cbegin(), m_sourceQueues.cend(),
                                    [&key](const SourceQueue &queue) { return queue.key == *key; });
    return found != m_sourceQueues.cend() ? found - m_sourceQueues.cbegin() : -1;
}

// Upkeep.

void JobSelection::recount()
{
    m_selectedSourceNames.reset();
    m_selectedSources.clear();
    m_selectedCount = 0;
    m_shownSelectedCount = 0;
    for (const JobEntry &entry : std::as_const(m_jobs)) {
        if (entry.selected) {
            m_selectedSources.add(entry.sourceKey());
            ++m_selectedCount;
            m_shownSelectedCount += entry.shown ? 1 : 0;
        }
    }
    offerDestinations();
}

void JobSelection::applyFilter(const std::optional<JobFilter> &previous)
{
    // Typing on only ever hides more: what is hidden already stays hidden.
    const bool narrowing = previous && m_filter.narrows(*previous);
    const bool all = m_filter.isEmpty();
    bool changed = false;
    m_shownCount = 0;
    m_shownSelectedCount = 0;
    // Read through const access: the job rows may share this list, and only a
    // change of some entry is worth copying it.
    for (qsizetype i = 0; i < m_jobs.size(); ++i) {
        const JobEntry &entry = m_jobs.at(i);
        const bool shown
            = all || ((!narrowing || entry.shown) && m_filter.matches(entry.searchText(), entry.sourceKey()));
        if (shown) {
            ++m_shownCount;
            m_shownSelectedCount += entry.selected ? 1 : 0;
        }
        if (entry.shown != shown) {
            m_jobs[i].shown = shown;
            changed = true;
        }
    }
    if (changed)
        m_changes |= Shown;
}

void JobSelection::offerDestinations()
{
    if (m_destination.offer(m_printers, m_selectedSources))
        m_changes |= Destinations;
}
