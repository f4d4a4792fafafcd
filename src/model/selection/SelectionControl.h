// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "Capability.h"
#include "JobFilterView.h"
#include "JobListModel.h"
#include "PrinterListModel.h"

#include <PrintJob.h>
#include <Printer.h>

#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QtQml/qqmlregistration.h>

#include <optional>

// The jobs and queues of the last reload with what the user chose of them:
// the selected jobs, the destination, the job pane's filter, and the verbs
// that change them. While counted work runs, the rows are its and every verb
// is refused, as a click on a row is. Every count counts all jobs.
class SelectionControl : public Capability
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Reached through the window model.")

    Q_PROPERTY(int jobCount READ jobCount NOTIFY jobCountChanged FINAL)
    Q_PROPERTY(int selectedJobCount READ selectedJobCount NOTIFY selectedJobCountChanged FINAL)
    Q_PROPERTY(QString singleSelectedJobIdentifier READ singleSelectedJobIdentifier NOTIFY
                   singleSelectedJobIdentifierChanged FINAL)
    Q_PROPERTY(QString sourcePrinterNamesText READ sourcePrinterNamesText NOTIFY sourcePrinterNamesTextChanged FINAL)
    // "3 ausgewählt, 1 davon ausgeblendet"; empty while nothing is selected.
    Q_PROPERTY(QString selectionNote READ selectionNote NOTIFY selectionNoteChanged FINAL)
    Q_PROPERTY(bool canSelectShownJobs READ canSelectShownJobs NOTIFY canSelectShownJobsChanged FINAL)
    Q_PROPERTY(bool canClearJobSelection READ canClearJobSelection NOTIFY canClearJobSelectionChanged FINAL)
    Q_PROPERTY(bool hasSelectedDestination READ hasSelectedDestination NOTIFY selectedDestinationChanged FINAL)
    Q_PROPERTY(QString selectedDestinationName READ selectedDestinationName NOTIFY selectedDestinationChanged FINAL)
    Q_PROPERTY(int destinationCount READ destinationCount NOTIFY destinationCountChanged FINAL)
    // The job pane's filter: the text the user types, and what it shows.
    Q_PROPERTY(QString jobFilterText READ jobFilterText WRITE setJobFilterText NOTIFY jobFilterTextChanged FINAL)
    Q_PROPERTY(JobFilterView filter READ filter NOTIFY filterChanged FINAL)
    // Row models for the two lazily built lists.
    Q_PROPERTY(JobListModel *jobModel READ jobModel CONSTANT FINAL)
    Q_PROPERTY(PrinterListModel *destinationModel READ destinationModel CONSTANT FINAL)

public:
    SelectionControl(WindowState &state, QObject *parent);

    QList<PrintJob> jobs() const;
    QList<Printer> printers() const;
    // Canonical identifiers, so that a job listed in another normalisation
    // stays the same job.
    const QSet<QString> &selectedJobIDs() const;
    QList<PrintJob> selectedJobs() const;
    QSet<QString> selectedSourcePrinterNames() const;
    const std::optional<QString> &selectedDestinationID() const;
    std::optional<Printer> selectedDestination() const;
    QList<Printer> destinationPrinters() const;
    QStringList sourceQueueChoices() const;

    int jobCount() const;
    int selectedJobCount() const;
    QString singleSelectedJobIdentifier() const;
    QString sourcePrinterNamesText() const;
    QString selectionNote() const;
    bool canSelectShownJobs() const;
    bool canClearJobSelection() const;
    bool hasSelectedDestination() const { return selectedDestination().has_value(); }
    QString selectedDestinationName() const;
    int destinationCount() const;
    const QString &jobFilterText() const;
    JobFilterView filter() const;
    JobListModel *jobModel() const;
    PrinterListModel *destinationModel() const;

    void toggleJobSelection(const PrintJob &job);
    void setSelectedDestinationID(const std::optional<QString> &name);
    void setJobFilterText(const QString &text);
    Q_INVOKABLE void toggleJobSelectionAt(int row);
    Q_INVOKABLE void chooseDestinationAt(int row);
    // Row 0 stands for all queues.
    Q_INVOKABLE void chooseSourceQueueAt(int row);
    Q_INVOKABLE void selectShownJobs();
    Q_INVOKABLE void clearJobSelection();

Q_SIGNALS:
    void jobCountChanged();
    void selectedJobCountChanged();
    void singleSelectedJobIdentifierChanged();
    void sourcePrinterNamesTextChanged();
    void selectionNoteChanged();
    void canSelectShownJobsChanged();
    void canClearJobSelectionChanged();
    void selectedDestinationChanged();
    void destinationCountChanged();
    void jobFilterTextChanged();
    void filterChanged();

private:
};
