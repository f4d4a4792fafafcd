// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "SelectionControl.h"

#include "DisplayText.h"
#include "ModelTexts.h"
#include "WindowState.h"

SelectionControl::SelectionControl(WindowState &state, QObject *parent)
    : Capability(state, parent)
{
    watch();
}

QList<PrintJob> SelectionControl::jobs() const
{
    return m_state.selection.jobs();
}

QList<Printer> SelectionControl::printers() const
{
    return m_state.selection.printers();
}

const QSet<QString> &SelectionControl::selectedJobIDs() const
{
    return m_state.selection.selectedKeys();
}

QList<PrintJob> SelectionControl::selectedJobs() const
{
    return m_state.selection.selectedJobs();
}

QSet<QString> SelectionControl::selectedSourcePrinterNames() const
{
    return m_state.selection.selectedSourceNames();
}

const std::optional<QString> &SelectionControl::selectedDestinationID() const
{
    return m_state.selection.destinationID();
}

std::optional<Printer> SelectionControl::selectedDestination() const
{
    return m_state.selection.destination();
}

QList<Printer> SelectionControl::destinationPrinters() const
{
    return m_state.selection.destinations();
}

QStringList SelectionControl::sourceQueueChoices() const
{
    return m_state.rows.sourceQueues()->stringList();
}

int SelectionControl::jobCount() const
{
    return int(m_state.selection.entries().size());
}

int SelectionControl::selectedJobCount() const
{
    return int(m_state.selection.selectedCount());
}

QString SelectionControl::singleSelectedJobIdentifier() const
{
    return m_state.selection.singleSelectedIdentifier();
}

QString SelectionControl::sourcePrinterNamesText() const
{
    return m_state.selection.sourceNamesText();
}

QString SelectionControl::selectionNote() const
{
    return ModelTexts::selectionNote(m_state.selection.selectedCount(), m_state.selection.hiddenSelectedCount());
}

bool SelectionControl::canSelectShownJobs() const
{
    return !m_state.working && m_state.selection.canSelectShown();
}

bool SelectionControl::canClearJobSelection() const
{
    return !m_state.working && m_state.selection.canClearSelection();
}

QString SelectionControl::selectedDestinationName() const
{
    const std::optional<Printer> destination = selectedDestination();
    return destination ? DisplayText::field(destination->name) : QString();
}

int SelectionControl::destinationCount() const
{
    return int(m_state.selection.destinationCount());
}

const QString &SelectionControl::jobFilterText() const
{
    return m_state.selection.filter().text();
}

JobFilterView SelectionControl::filter() const
{
    return JobFilterView {
        .queueChoices = m_state.rows.sourceQueues(),
        .queueIndex = int(m_state.selection.filterQueueIndex() + 1),
        .shownCount = int(m_state.selection.shownCount()),
    };
}

JobListModel *SelectionControl::jobModel() const
{
    return m_state.rows.jobs();
}

PrinterListModel *SelectionControl::destinationModel() const
{
    return m_state.rows.destinations();
}

// Each write announced as it happens.

void SelectionControl::toggleJobSelection(const PrintJob &job)
{
    m_state.selection.toggle(job, [this] { m_state.written(); });
}

void SelectionControl::setSelectedDestinationID(const std::optional<QString> &name)
{
    m_state.selection.setDestinationID(name);
    m_state.written();
}

void SelectionControl::setJobFilterText(const QString &text)
{
    m_state.selection.setFilterText(text);
    m_state.written();
}

// A reload leaves the rows to the user; counted work takes them away, and
// the guards here keep a late click from slipping through as well.

void SelectionControl::toggleJobSelectionAt(int row)
{
    if (m_state.working || row < 0 || row >= jobModel()->count())
        return;
    toggleJobSelection(jobModel()->jobAt(row));
}

void SelectionControl::chooseDestinationAt(int row)
{
    if (m_state.working || row < 0 || row >= destinationModel()->count())
        return;
    setSelectedDestinationID(destinationModel()->printerAt(row).name);
}

void SelectionControl::chooseSourceQueueAt(int row)
{
    const QList<JobSelection::SourceQueue> &queues = m_state.selection.sourceQueues();
    if (row < 0 || row > queues.size())
        return;
    m_state.selection.setFilterQueue(row == 0 ? std::nullopt : std::optional<QString>(queues.at(row - 1).key));
    m_state.written();
}

void SelectionControl::selectShownJobs()
{
    if (!m_state.working)
        m_state.selection.selectShown([this] { m_state.written(); });
}

void SelectionControl::clearJobSelection()
{
    if (!m_state.working)
        m_state.selection.clearSelection([this] { m_state.written(); });
}
