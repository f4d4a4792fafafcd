// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "JobSelection.h"

#include "DisplayText.h"
#include "ModelTexts.h"

#include <TextRules.h>

#include <QStringList>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Plain text order: Unicode scalar values. UTF-16 code units compare the
// same way except that a surrogate (a character beyond U+FFFF) must sort after
// U+E000..U+FFFF, so those two ranges swap places at the first difference.
bool codePointLess(QStringView lhs, QStringView rhs)
{
    const auto rank = [](char16_t unit) -> char16_t {
        if (unit >= 0xE000)
            return unit - 0x800;
        if (unit >= 0xD800)
            return unit + 0x2000;
        return unit;
    };
    const qsizetype common = std::min(lhs.size(), rhs.size());
    for (qsizetype i = 0; i < common; ++i) {
        if (lhs[i] != rhs[i])
            return rank(lhs[i].unicode()) < rank(rhs[i].unicode());
    }
    return lhs.size() < rhs.size();
}

void notify(const JobSelection::Written &written)
{
    if (written)
        written();
}

} // namespace

// Writes.

void JobSelection::setLists(const QList<PrintJob> &jobs, const QList<Printer> &printers)
{
    m_printers.clear();
    m_printers.reserve(printers.size());
    for (const Printer &printer : printers)
        m_printers.append(PrinterEntry {printer, TextRules::canonical(printer.name)});
    findDestination();

    m_jobs.clear();
    m_jobs.reserve(jobs.size());
    for (const PrintJob &job : jobs) {
        QString key = job.jobIdentifier().canonical();
        const bool selected = m_selectedKeys.contains(key);
        m_jobs.append(JobEntry {job, std::move(key), TextRules::canonical(job.sourcePrinterName), selected,
                                JobFilter::searchText(job)});
    }
    m_changes |= Listing | Destinations;
    collectSourceQueues();
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
    m_destinationID = name;
    findDestination();
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
        if (entry.shown)
            m_shownSelectedCount += selected ? 1 : -1;
        if (selected) {
            m_selectedCount += 1;
            sourcesChanged |= m_selectedPerSource[entry.sourceKey()]++ == 0;
        } else {
            m_selectedCount -= 1;
            const auto count = m_selectedPerSource.find(entry.sourceKey());
            if (--*count == 0) {
                m_selectedPerSource.erase(count);
                sourcesChanged = true;
            }
        }
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

    if (m_destinationIndex < 0 || destinationIsSource()) {
        setDestinationID(std::nullopt);
        notify(written);
    }
}

// Stored values.

QList<PrintJob> JobSelection::jobs() const
{
    QList<PrintJob> jobs;
    jobs.reserve(m_jobs.size());
    for (const JobEntry &entry : m_jobs)
        jobs.append(entry.job());
    return jobs;
}

QList<Printer> JobSelection::printers() const
{
    QList<Printer> printers;
    printers.reserve(m_printers.size());
    for (const PrinterEntry &entry : m_printers)
        printers.append(entry.printer);
    return printers;
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
    QSet<QString> names;
    QSet<QString> seen;
    if (m_selectedCount == 0)
        return names;
    for (const JobEntry &entry : m_jobs) {
        if (!entry.selected || seen.contains(entry.sourceKey()))
            continue;
        seen.insert(entry.sourceKey());
        names.insert(entry.job().sourcePrinterName);
    }
    return names;
}

QString JobSelection::sourceNamesText() const
{
    QList<std::pair<QString, QString>> names; // canonical form, as listed
    for (const QString &name : selectedSourceNames())
        names.append({TextRules::canonical(name), name});
    std::sort(names.begin(), names.end(),
              [](const auto &lhs, const auto &rhs) { return codePointLess(lhs.first, rhs.first); });
    QStringList listed;
    listed.reserve(names.size());
    for (const auto &[canonical, name] : std::as_const(names))
        listed.append(DisplayText::field(name));
    return listed.join(u", "_s);
}

QList<Printer> JobSelection::destinations() const
{
    QList<Printer> destinations;
    destinations.reserve(m_destinationRows.size());
    for (const qsizetype row : m_destinationRows)
        destinations.append(m_printers.at(row).printer);
    return destinations;
}

QList<PrinterEntry> JobSelection::destinationEntries() const
{
    QList<PrinterEntry> entries;
    entries.reserve(m_destinationRows.size());
    for (const qsizetype row : m_destinationRows)
        entries.append(m_printers.at(row));
    return entries;
}

std::optional<Printer> JobSelection::destination() const
{
    if (m_destinationIndex < 0)
        return std::nullopt;
    return m_printers.at(m_destinationIndex).printer;
}

bool JobSelection::canMove() const
{
    return m_selectedCount > 0 && m_destinationIndex >= 0 && !destinationIsSource();
}

QList<JobEntry> JobSelection::shownEntries() const
{
    if (m_shownCount == m_jobs.size())
        return m_jobs;
    QList<JobEntry> shown;
    shown.reserve(m_shownCount);
    for (const JobEntry &entry : m_jobs) {
        if (entry.shown)
            shown.append(entry);
    }
    return shown;
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

bool JobSelection::destinationIsSource() const
{
    return m_destinationIndex >= 0 && m_selectedPerSource.contains(m_printers.at(m_destinationIndex).key);
}

void JobSelection::recount()
{
    m_selectedPerSource.clear();
    m_selectedCount = 0;
    m_shownSelectedCount = 0;
    for (const JobEntry &entry : std::as_const(m_jobs)) {
        if (entry.selected) {
            ++m_selectedPerSource[entry.sourceKey()];
            ++m_selectedCount;
            m_shownSelectedCount += entry.shown ? 1 : 0;
        }
    }
    offerDestinations();
}

void JobSelection::collectSourceQueues()
{
    QHash<QString, qsizetype> index; // canonical name -> place in queues
    QList<SourceQueue> queues;
    for (const JobEntry &entry : std::as_const(m_jobs)) {
        const auto found = index.constFind(entry.sourceKey());
        if (found != index.cend()) {
            ++queues[*found].jobCount;
            continue;
        }
        index.insert(entry.sourceKey(), queues.size());
        queues.append(SourceQueue {entry.job().sourcePrinterName, entry.sourceKey(), 1});
    }

    // As the queue listing sorts the destinations.
    QStringList names;
    names.reserve(queues.size());
    for (const SourceQueue &queue : std::as_const(queues))
        names.append(queue.name);
    m_sourceQueues.clear();
    m_sourceQueues.reserve(queues.size());
    for (qsizetype i : TextRules::queueNameOrder(names))
        m_sourceQueues.append(std::move(queues[i]));

    // A queue that has no job left to show falls back to all of them.
    const std::optional<QString> &shownQueue = m_filter.queueKey();
    if (shownQueue && !index.contains(*shownQueue))
        m_filter.setQueueKey(std::nullopt);
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
    QList<qsizetype> rows;
    rows.reserve(m_printers.size());
    for (qsizetype i = 0; i < m_printers.size(); ++i) {
        if (!m_selectedPerSource.contains(m_printers.at(i).key))
            rows.append(i);
    }
    if (rows != m_destinationRows) {
        m_destinationRows = std::move(rows);
        m_changes |= Destinations;
    }
}

void JobSelection::findDestination()
{
    std::optional<QString> key;
    if (m_destinationID)
        key = TextRules::canonical(*m_destinationID);
    qsizetype index = -1;
    if (key) {
        const auto found = std::find_if(m_printers.cbegin(), m_printers.cend(),
                                        [&key](const PrinterEntry &entry) { return entry.key == *key; });
        if (found != m_printers.cend())
            index = found - m_printers.cbegin();
    }
    if (key != m_destinationKey)
        m_changes |= Destinations;
    m_destinationKey = std::move(key);
    m_destinationIndex = index;
}
