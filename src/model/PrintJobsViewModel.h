// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "AppNotice.h"
#include "JobListModel.h"
#include "JobSelection.h"
#include "MoveOutcome.h"
#include "PrinterListModel.h"
#include "ReloadOutcome.h"
#include "WorkflowError.h"

#include <CUPSService.h>

#include <QFuture>
#include <QObject>
#include <QPromise>
#include <QSet>
#include <QStringListModel>
#include <QtQml/qqmlregistration.h>

#include <memory>
#include <optional>
#include <utility>

// The state of one window: the jobs and queues of the last reload with the
// user's selection (a JobSelection), the busy flags, the pending notice and
// the status line; and the entry points of the two workflows, reload and move.
// Lives on the UI thread. Each property has its own change signal, emitted
// only when its value changed, so a click re-evaluates only the bindings it
// concerns; texts derived from one source share that source's signal.
class PrintJobsViewModel : public QObject
{
    Q_OBJECT
    QML_ELEMENT

    Q_PROPERTY(bool isLoading READ isLoading NOTIFY isLoadingChanged FINAL)
    Q_PROPERTY(bool isMoving READ isMoving NOTIFY isMovingChanged FINAL)
    // A reload or a move runs.
    Q_PROPERTY(bool isBusy READ isBusy NOTIFY isBusyChanged FINAL)
    Q_PROPERTY(bool isShowingMoveConfirmation READ isShowingMoveConfirmation WRITE setShowingMoveConfirmation NOTIFY
                   isShowingMoveConfirmationChanged FINAL)
    Q_PROPERTY(QString statusText READ statusText NOTIFY statusTextChanged FINAL)
    // Empty until a reload has found lpmove.
    Q_PROPERTY(QString lpmovePath READ lpmovePathText NOTIFY lpmovePathChanged FINAL)

    // The pending notice; its id tells one notice from the next with the same words.
    Q_PROPERTY(bool hasNotice READ hasNotice NOTIFY noticeChanged FINAL)
    Q_PROPERTY(QString noticeID READ noticeIDText NOTIFY noticeChanged FINAL)
    Q_PROPERTY(QString noticeTitle READ noticeTitle NOTIFY noticeChanged FINAL)
    Q_PROPERTY(QString noticeMessage READ noticeMessage NOTIFY noticeChanged FINAL)

    // The running move: jobs handled so far, all its jobs (0 when none runs),
    // and "Verschiebe 37 von 120 …", empty otherwise.
    Q_PROPERTY(int moveDoneCount READ moveDoneCount NOTIFY moveProgressChanged FINAL)
    Q_PROPERTY(int moveTotalCount READ moveTotalCount NOTIFY moveProgressChanged FINAL)
    Q_PROPERTY(QString moveProgressText READ moveProgressText NOTIFY moveProgressChanged FINAL)

    // The jobs and the selection; every count but shownJobCount counts all jobs.
    Q_PROPERTY(int jobCount READ jobCount NOTIFY jobCountChanged FINAL)
    Q_PROPERTY(int selectedJobCount READ selectedJobCount NOTIFY selectedJobCountChanged FINAL)
    Q_PROPERTY(QString singleSelectedJobIdentifier READ singleSelectedJobIdentifier NOTIFY
                   singleSelectedJobIdentifierChanged FINAL)
    Q_PROPERTY(QString sourcePrinterNamesText READ sourcePrinterNamesText NOTIFY sourcePrinterNamesTextChanged FINAL)
    // "3 ausgewählt, 1 davon ausgeblendet"; empty while nothing is selected.
    Q_PROPERTY(QString selectionNote READ selectionNote NOTIFY selectionNoteChanged FINAL)
    Q_PROPERTY(bool canSelectShownJobs READ canSelectShownJobs NOTIFY canSelectShownJobsChanged FINAL)
    Q_PROPERTY(bool canClearJobSelection READ canClearJobSelection NOTIFY canClearJobSelectionChanged FINAL)

    // The destination.
    Q_PROPERTY(bool hasSelectedDestination READ hasSelectedDestination NOTIFY selectedDestinationChanged FINAL)
    Q_PROPERTY(QString selectedDestinationName READ selectedDestinationName NOTIFY selectedDestinationChanged FINAL)
    Q_PROPERTY(int destinationCount READ destinationCount NOTIFY destinationCountChanged FINAL)
    Q_PROPERTY(bool canRequestMove READ canRequestMove NOTIFY canRequestMoveChanged FINAL)

    // The confirmation's parts, for a dialog that scrolls the job lines alone.
    Q_PROPERTY(QString confirmationHeadline READ confirmationHeadline NOTIFY confirmationChanged FINAL)
    Q_PROPERTY(QStringList confirmationLines READ confirmationLines NOTIFY confirmationChanged FINAL)
    Q_PROPERTY(QString confirmationDestinationText READ confirmationDestinationText NOTIFY confirmationChanged FINAL)
    Q_PROPERTY(QString confirmationWarning READ confirmationWarning NOTIFY confirmationChanged FINAL)
    Q_PROPERTY(QStringList confirmationStateWarnings READ confirmationStateWarnings NOTIFY confirmationChanged FINAL)

    // The job pane's filter: the typed text, the source queue chooser's
    // entries ("Alle Warteschlangen" first) and the chosen one, and how many
    // jobs it shows.
    Q_PROPERTY(QString jobFilterText READ jobFilterText WRITE setJobFilterText NOTIFY jobFilterTextChanged FINAL)
    Q_PROPERTY(QAbstractItemModel *sourceQueueModel READ sourceQueueModel CONSTANT FINAL)
    Q_PROPERTY(int sourceQueueIndex READ sourceQueueIndex NOTIFY sourceQueueIndexChanged FINAL)
    Q_PROPERTY(int shownJobCount READ shownJobCount NOTIFY shownJobCountChanged FINAL)

    // Row models for the two lazily built lists.
    Q_PROPERTY(JobListModel *jobModel READ jobModel CONSTANT FINAL)
    Q_PROPERTY(PrinterListModel *destinationModel READ destinationModel CONSTANT FINAL)

public:
    // Uses the system's lpstat at /usr/bin/lpstat.
    explicit PrintJobsViewModel(QObject *parent = nullptr);
    explicit PrintJobsViewModel(const CUPSService &service, QObject *parent = nullptr);
    ~PrintJobsViewModel() override;

    QList<PrintJob> jobs() const { return m_selection.jobs(); }
    QList<Printer> printers() const { return m_selection.printers(); }
    // Canonical identifiers, so that a job listed in another normalisation
    // stays the same job.
    const QSet<QString> &selectedJobIDs() const { return m_selection.selectedKeys(); }
    const std::optional<QString> &selectedDestinationID() const { return m_selection.destinationID(); }
    void setSelectedDestinationID(const std::optional<QString> &name);
    bool isLoading() const { return m_isLoading; }
    bool isMoving() const { return m_isMoving; }
    bool isBusy() const { return m_isLoading || m_isMoving; }
    // Whether the scheduler's details of a reload are still to come. Input is
    // not held up by them; a test that reads what they add waits for them.
    bool isAwaitingDetails() const { return m_detailsAwaited > 0; }
    bool isShowingMoveConfirmation() const { return m_isShowingMoveConfirmation; }
    void setShowingMoveConfirmation(bool showing);
    const std::optional<AppNotice> &notice() const { return m_notice; }
    void setNotice(const std::optional<AppNotice> &notice);
    const QString &statusText() const { return m_statusText; }
    const std::optional<QString> &lpmovePath() const { return m_lpmovePath; }

    QList<PrintJob> selectedJobs() const { return m_selection.selectedJobs(); }
    std::optional<Printer> selectedDestination() const { return m_selection.destination(); }
    QSet<QString> selectedSourcePrinterNames() const { return m_selection.selectedSourceNames(); }
    QList<Printer> destinationPrinters() const { return m_selection.destinations(); }
    // Also during a reload: the move then follows it.
    bool canRequestMove() const { return !m_isMoving && m_selection.canMove(); }
    // The whole confirmation in one text, as a screen reader hears it.
    QString confirmationMessage() const;
    QString confirmationHeadline() const;
    QStringList confirmationLines() const;
    QString confirmationDestinationText() const;
    QString confirmationWarning() const;
    QStringList confirmationStateWarnings() const;
    int moveDoneCount() const { return int(m_moveDoneCount); }
    int moveTotalCount() const { return int(m_moveTotalCount); }
    QString moveProgressText() const;

    void toggleJobSelection(const PrintJob &job);
    void setJobFilterText(const QString &text);
    // Both complete when the workflow has ended (a reload: once the
    // scheduler's details have followed its lists or been given up on; a
    // move: after its closing reload, which its report is checked against). A confirmed move is
    // tracked by ExitPolicy.
    // Also QML's entry points, which ignore the future.
    Q_INVOKABLE QFuture<void> refresh();
    Q_INVOKABLE QFuture<void> moveSelectedJobs();

    // For QML.
    Q_INVOKABLE void toggleJobSelectionAt(int row);
    Q_INVOKABLE void chooseDestinationAt(int row);
    // Row 0 stands for all queues.
    Q_INVOKABLE void chooseSourceQueueAt(int row);
    // Refused while a move runs, as a click on a row is.
    Q_INVOKABLE void selectShownJobs();
    Q_INVOKABLE void clearJobSelection();
    Q_INVOKABLE void requestMoveConfirmation();
    Q_INVOKABLE void dismissNotice();

    // QML-facing readers of the optional values.
    QString lpmovePathText() const;
    bool hasNotice() const { return m_notice.has_value(); }
    QString noticeIDText() const;
    QString noticeTitle() const { return m_notice ? m_notice->title : QString(); }
    QString noticeMessage() const { return m_notice ? m_notice->message : QString(); }
    int jobCount() const { return int(m_selection.entries().size()); }
    int selectedJobCount() const { return int(m_selection.selectedCount()); }
    QString singleSelectedJobIdentifier() const { return m_selection.singleSelectedIdentifier(); }
    bool hasSelectedDestination() const { return m_selection.destination().has_value(); }
    QString selectedDestinationName() const;
    QString sourcePrinterNamesText() const { return m_selection.sourceNamesText(); }
    int destinationCount() const { return int(m_selection.destinationCount()); }
    const QString &jobFilterText() const { return m_selection.filter().text(); }
    // A model rather than a list: a list property would reach the chooser as
    // a new array on every change signal, and the chooser would rebuild.
    QStringListModel *sourceQueueModel() const { return m_sourceQueueModel; }
    QStringList sourceQueueChoices() const { return m_sourceQueueModel->stringList(); }
    int sourceQueueIndex() const { return int(m_selection.filterQueueIndex() + 1); }
    int shownJobCount() const { return int(m_selection.shownCount()); }
    QString selectionNote() const;
    bool canSelectShownJobs() const { return !m_isMoving && m_selection.canSelectShown(); }
    bool canClearJobSelection() const { return !m_isMoving && m_selection.canClearSelection(); }
    JobListModel *jobModel() const { return m_jobModel; }
    PrinterListModel *destinationModel() const { return m_destinationModel; }

Q_SIGNALS:
    void isLoadingChanged();
    void isMovingChanged();
    void isBusyChanged();
    void isShowingMoveConfirmationChanged();
    void statusTextChanged();
    void lpmovePathChanged();
    void noticeChanged();
    void moveProgressChanged();
    void jobCountChanged();
    void selectedJobCountChanged();
    void singleSelectedJobIdentifierChanged();
    void sourcePrinterNamesTextChanged();
    void selectionNoteChanged();
    void canSelectShownJobsChanged();
    void canClearJobSelectionChanged();
    void selectedDestinationChanged();
    void destinationCountChanged();
    void canRequestMoveChanged();
    void confirmationChanged();
    void jobFilterTextChanged();
    void sourceQueueIndexChanged();
    void shownJobCountChanged();

private:
    // Lets tests and benchmarks reach the private steps directly.
    friend struct PrintJobsViewModelTestAccess;

    // A move confirmed and not yet handed to CUPS: exactly the jobs the
    // confirmation listed.
    struct PendingMove
    {
        QList<PrintJob> jobs;
        Printer destination;
        QList<Printer> knownQueues;
        std::shared_ptr<QPromise<void>> done;
    };

    // The listings of refresh()'s reload number `reload` have ended: stores
    // their outcome, unless the confirmation is open, then starts a move that
    // waited for it.
    void reloaded(const ReloadOutcome &outcome, quint64 reload);
    // Asks for the scheduler's details about what `listed` lists; finishes
    // `done` (when given) once they have been stored or given up on.
    void followWithDetails(const ReloadOutcome &listed, quint64 reload, const std::shared_ptr<QPromise<void>> &done);
    // Stores them if the lists shown (or held) are still those of `reload`.
    void detailsArrived(const ReloadOutcome &detailed, quint64 reload);
    void runMove(const PendingMove &move);

    // Each stores what a finished workflow leaves, write by write.
    void apply(const ReloadOutcome &outcome);
    // `afterword` ends the report when there is more to say.
    void apply(const MoveOutcome &outcome, const QString &afterword = {});
    // Runs the closing reload of a move, checks `outcome` against it, then
    // reports and finishes `done`.
    void closeMove(const MoveOutcome &outcome, const QList<PrintJob> &jobs,
                   const std::shared_ptr<QPromise<void>> &done);

    void setLists(const QList<PrintJob> &jobs, const QList<Printer> &printers);
    void setSelectedJobIDs(QSet<QString> identifiers);
    void setLoading(bool loading);
    void setMoving(bool moving);
    void setMoveDoneCount(qsizetype count);
    void setMoveTotalCount(qsizetype count);
    void setStatusText(const QString &text);
    void setLpmovePath(const std::optional<QString> &path);

    // Trims the selection to what the last successful reload still lists.
    void retainValidSelections();
    // Turns an error into the pending notice.
    void present(const WorkflowError &error, const QString &title);
    // Shows that a reload failed, without taking a move's report off screen.
    void presentLoadFailure(const AppNotice &notice);
    static QString errorMessage(const WorkflowError &error);

    // What the properties showed when last announced.
    struct Face;
    // The confirmation's parts; empty while nothing can be confirmed.
    struct Confirmation
    {
        QString headline;
        QStringList lines;
        QString destination;
        QString warning;
        QStringList stateWarnings;
        bool operator==(const Confirmation &) const = default;
    };
    Face face() const;
    // Composed on the first read after the selection, the lists or the
    // destination changed: it lists every selected job, and the dialog reads
    // it only as it opens.
    const Confirmation &confirmation() const;

    // Ends every write: the row models catch up, then each property whose
    // value changed announces it.
    void written();

    CUPSService m_service;
    JobSelection m_selection;
    bool m_isLoading = false;
    bool m_isMoving = false;
    bool m_isShowingMoveConfirmation = false;
    qsizetype m_moveDoneCount = 0;
    qsizetype m_moveTotalCount = 0;
    std::optional<AppNotice> m_notice;
    // Whether the notice on screen says that a reload failed. Such a notice
    // gives way to a newer one; a move's report does not: a failure to load
    // that comes while it is up waits in `m_waitingLoadFailure` until it is
    // dismissed, so the user learns both.
    bool m_noticeIsLoadFailure = false;
    std::optional<AppNotice> m_waitingLoadFailure;
    // Title and message of the last reload, when it failed.
    std::optional<std::pair<QString, QString>> m_lastReloadFailure;
    std::optional<ReloadOutcome> m_heldReload;
    // Reloads are numbered as they start, so that details reach only the
    // lists they were asked for: the lists shown, and those held.
    quint64 m_reloadsStarted = 0;
    quint64 m_shownReload = 0;
    int m_detailsAwaited = 0;
    quint64 m_heldReloadNumber = 0;
    // Details of the lists shown that came while the confirmation was open.
    std::optional<ReloadOutcome> m_heldDetails;
    std::optional<PendingMove> m_pendingMove;
    QString m_statusText;
    std::optional<QString> m_lpmovePath;
    std::unique_ptr<Face> m_face;
    mutable std::optional<Confirmation> m_confirmation;
    // Children of the model.
    JobListModel *m_jobModel;
    PrinterListModel *m_destinationModel;
    QStringListModel *m_sourceQueueModel;
};
