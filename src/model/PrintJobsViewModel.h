// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "AppNotice.h"
#include "CancelConfirmation.h"
#include "ConfirmationCache.h"
#include "JobActionOutcome.h"
#include "JobActions.h"
#include "JobByJob.h"
#include "JobFilterView.h"
#include "JobListModel.h"
#include "JobSelection.h"
#include "MoveConfirmation.h"
#include "MoveOutcome.h"
#include "MoveProgress.h"
#include "MoveUndo.h"
#include "NoticeQueue.h"
#include "PrinterListModel.h"
#include "PropertyAnnouncer.h"
#include "ReloadLedger.h"
#include "ReloadOutcome.h"
#include "SelectionRows.h"
#include "UndoConfirmation.h"
#include "UndoOutcome.h"
#include "WorkflowError.h"

#include <CUPSService.h>

#include <QFuture>
#include <QObject>
#include <QPromise>
#include <QSet>
#include <QtQml/qqmlregistration.h>

#include <functional>
#include <memory>
#include <optional>
#include <utility>

// The state of one window: the jobs and queues of the last reload with the
// user's selection (a JobSelection), the busy flags, the pending notice and
// the status line; and the entry points of its workflows: reload, move, and
// hold, release or cancel (JobActions keeps their state), and taking the last
// move back (MoveUndo).
// Lives on the UI thread. Each property has its own change signal, emitted
// only when its value changed (PropertyAnnouncer), so a click re-evaluates
// only the bindings it concerns; texts derived from one source share that
// source's signal, and a group that describes one thing travels as one value.
class PrintJobsViewModel : public QObject
{
    Q_OBJECT
    QML_ELEMENT

    Q_PROPERTY(bool isLoading READ isLoading NOTIFY isLoadingChanged FINAL)
    Q_PROPERTY(bool isMoving READ isMoving NOTIFY isMovingChanged FINAL)
    // A hold, release or cancel runs.
    Q_PROPERTY(bool isActing READ isActing NOTIFY isActingChanged FINAL)
    // A reload, a move or one of those runs.
    Q_PROPERTY(bool isBusy READ isBusy NOTIFY isBusyChanged FINAL)
    // A move (or taking one back) or one of those runs: the rows and the
    // selection are its; a reload leaves them to the user.
    Q_PROPERTY(bool holdsRows READ holdsRows NOTIFY holdsRowsChanged FINAL)
    Q_PROPERTY(bool isShowingMoveConfirmation READ isShowingMoveConfirmation WRITE setShowingMoveConfirmation NOTIFY
                   isShowingMoveConfirmationChanged FINAL)
    Q_PROPERTY(QString statusText READ statusText NOTIFY statusTextChanged FINAL)
    // Empty until a reload has found lpmove.
    Q_PROPERTY(QString lpmovePath READ lpmovePathText NOTIFY lpmovePathChanged FINAL)
    // "Server: druck01.example:631" while the scheduler is another machine's;
    // empty for this machine's.
    Q_PROPERTY(QString schedulerText READ schedulerText CONSTANT FINAL)
    // The pending notice; a blank one (empty id) while there is none.
    Q_PROPERTY(AppNotice notice READ noticeShown NOTIFY noticeChanged FINAL)
    Q_PROPERTY(MoveProgress moveProgress READ moveProgress NOTIFY moveProgressChanged FINAL)

    // The jobs and the selection; every count counts all jobs.
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
    Q_PROPERTY(MoveConfirmation confirmation READ confirmation NOTIFY confirmationChanged FINAL)

    // Hold, release, cancel: each when it applies to some selected job and
    // neither a move nor another of them runs (a reload may: they follow it).
    Q_PROPERTY(bool canHoldJobs READ canHoldJobs NOTIFY canHoldJobsChanged FINAL)
    Q_PROPERTY(bool canReleaseJobs READ canReleaseJobs NOTIFY canReleaseJobsChanged FINAL)
    Q_PROPERTY(bool canCancelJobs READ canCancelJobs NOTIFY canCancelJobsChanged FINAL)
    Q_PROPERTY(bool isShowingCancelConfirmation READ isShowingCancelConfirmation WRITE setShowingCancelConfirmation
                   NOTIFY isShowingCancelConfirmationChanged FINAL)
    Q_PROPERTY(CancelConfirmation cancelConfirmation READ cancelConfirmation NOTIFY cancelConfirmationChanged FINAL)

    // Taking back the last move: offered from its report until another move
    // or action starts, and not while one runs.
    Q_PROPERTY(bool canUndoMove READ canUndoMove NOTIFY canUndoMoveChanged FINAL)
    // The offer stands, but the lists failed to load: nothing tells where the jobs are.
    Q_PROPERTY(bool undoWaitsForLists READ undoWaitsForLists NOTIFY undoWaitsForListsChanged FINAL)
    Q_PROPERTY(bool isShowingUndoConfirmation READ isShowingUndoConfirmation WRITE setShowingUndoConfirmation NOTIFY
                   isShowingUndoConfirmationChanged FINAL)
    Q_PROPERTY(UndoConfirmation undoConfirmation READ undoConfirmation NOTIFY undoConfirmationChanged FINAL)

    // The job pane's filter: the text the user types, and what it shows.
    Q_PROPERTY(QString jobFilterText READ jobFilterText WRITE setJobFilterText NOTIFY jobFilterTextChanged FINAL)
    Q_PROPERTY(JobFilterView filter READ filter NOTIFY filterChanged FINAL)

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
    bool isActing() const { return m_actions.running().has_value(); }
    bool isBusy() const { return m_isLoading || m_isMoving || isActing(); }
    bool holdsRows() const { return m_isMoving || isActing(); }
    // Whether the scheduler's details of a reload are still to come. Input is
    // not held up by them; a test that reads what they add waits for them.
    bool isAwaitingDetails() const { return m_reloads.isAwaitingDetails(); }
    bool isShowingMoveConfirmation() const { return m_isShowingMoveConfirmation; }
    void setShowingMoveConfirmation(bool showing);
    const std::optional<AppNotice> &notice() const { return m_notices.current(); }
    // For QML, which has no optional: a blank notice while there is none.
    AppNotice noticeShown() const { return m_notices.current().value_or(AppNotice()); }
    const QString &statusText() const { return m_statusText; }
    const QString &schedulerText() const { return m_schedulerText; }
    const std::optional<QString> &lpmovePath() const { return m_lpmovePath; }
    QString lpmovePathText() const;

    QList<PrintJob> selectedJobs() const { return m_selection.selectedJobs(); }
    std::optional<Printer> selectedDestination() const { return m_selection.destination(); }
    QSet<QString> selectedSourcePrinterNames() const { return m_selection.selectedSourceNames(); }
    QList<Printer> destinationPrinters() const { return m_selection.destinations(); }
    // Also during a reload: the move then follows it.
    bool canRequestMove() const { return !holdsRows() && m_selection.canMove(); }
    const MoveConfirmation &confirmation() const { return m_confirmation.read(m_selection); }
    // A hold, release or cancel counts its jobs here as a move does.
    MoveProgress moveProgress() const;

    bool canHoldJobs() const { return !holdsRows() && m_actions.allows(JobAction::Hold); }
    bool canReleaseJobs() const { return !holdsRows() && m_actions.allows(JobAction::Release); }
    bool canCancelJobs() const { return !holdsRows() && m_actions.allows(JobAction::Cancel); }
    bool isShowingCancelConfirmation() const { return m_actions.isAskingToCancel(); }
    // Opening it lists the selected jobs as they are now.
    void setShowingCancelConfirmation(bool showing);
    const CancelConfirmation &cancelConfirmation() const { return m_actions.cancelConfirmation(); }

    bool canUndoMove() const { return !holdsRows() && m_undo.isOffered(); }
    bool undoWaitsForLists() const { return m_undo.waitsForLists(); }
    bool isShowingUndoConfirmation() const { return m_undo.isAsking(); }
    // Opening it lists the moved jobs as the destination lists them now.
    void setShowingUndoConfirmation(bool showing);
    const UndoConfirmation &undoConfirmation() const { return m_undo.confirmation(); }

    void toggleJobSelection(const PrintJob &job);
    void setJobFilterText(const QString &text);
    // Both complete when the workflow has ended (a reload: once the
    // scheduler's details have followed its lists or been given up on; a
    // move: after its closing reload, which its report is checked against).
    // A confirmed move is tracked by ExitPolicy. Also QML's entry points,
    // which ignore the future.
    Q_INVOKABLE QFuture<void> refresh();
    Q_INVOKABLE QFuture<void> moveSelectedJobs();
    // Hold and release act at once on the selected jobs they apply to,
    // hidden ones included; a cancel asks first. cancelSelectedJobs() cancels
    // exactly the jobs the open confirmation lists, or, with none open, every
    // selected job. Each completes after its closing reload, whose details
    // (the jobs' states) its report is checked against.
    Q_INVOKABLE QFuture<void> holdSelectedJobs();
    Q_INVOKABLE QFuture<void> releaseSelectedJobs();
    Q_INVOKABLE void requestCancelConfirmation();
    Q_INVOKABLE QFuture<void> cancelSelectedJobs();
    // Asks whether to move the last move's jobs back where they came from;
    // the report that offered it gives way. When the destination lists none
    // of them any more, says so instead and withdraws the offer.
    Q_INVOKABLE void requestUndoConfirmation();
    // Moves back exactly the jobs the open confirmation lists, or, with none
    // open, those the destination lists now; a move per source queue, checked
    // and reported as one. Completes after its closing reload.
    Q_INVOKABLE QFuture<void> undoLastMove();

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

    int jobCount() const { return int(m_selection.entries().size()); }
    int selectedJobCount() const { return int(m_selection.selectedCount()); }
    QString singleSelectedJobIdentifier() const { return m_selection.singleSelectedIdentifier(); }
    bool hasSelectedDestination() const { return m_selection.destination().has_value(); }
    QString selectedDestinationName() const;
    QString sourcePrinterNamesText() const { return m_selection.sourceNamesText(); }
    int destinationCount() const { return int(m_selection.destinationCount()); }
    const QString &jobFilterText() const { return m_selection.filter().text(); }
    JobFilterView filter() const;
    QStringList sourceQueueChoices() const { return m_rows.sourceQueues()->stringList(); }
    QString selectionNote() const;
    bool canSelectShownJobs() const { return !holdsRows() && m_selection.canSelectShown(); }
    bool canClearJobSelection() const { return !holdsRows() && m_selection.canClearSelection(); }
    JobListModel *jobModel() const { return m_rows.jobs(); }
    PrinterListModel *destinationModel() const { return m_rows.destinations(); }

Q_SIGNALS:
    void isLoadingChanged();
    void isMovingChanged();
    void isActingChanged();
    void isBusyChanged();
    void holdsRowsChanged();
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
    void canHoldJobsChanged();
    void canReleaseJobsChanged();
    void canCancelJobsChanged();
    void isShowingCancelConfirmationChanged();
    void cancelConfirmationChanged();
    void canUndoMoveChanged();
    void undoWaitsForListsChanged();
    void isShowingUndoConfirmationChanged();
    void undoConfirmationChanged();
    void jobFilterTextChanged();
    void filterChanged();

private:
    // Lets tests and benchmarks reach the private steps directly.
    friend struct PrintJobsViewModelTestAccess;

    // A move confirmed and not yet handed to CUPS: exactly the jobs the
    // confirmation listed.
    // Each pending run's `done` finishes after its report, `handedOver` once
    // every job has had its turn: what the program waits for when it ends.
    struct PendingMove
    {
        QList<PrintJob> jobs;
        Printer destination;
        QList<Printer> knownQueues;
        std::shared_ptr<QPromise<void>> done;
        std::shared_ptr<QPromise<void>> handedOver;
    };

    // A hold, release or cancel given its jobs, not yet handed to CUPS.
    struct PendingAction
    {
        JobAction action;
        QList<PrintJob> jobs;
        // The selected jobs it leaves alone, for the report.
        QList<PrintJob> beingPrinted;
        QList<PrintJob> alreadyDone;
        std::shared_ptr<QPromise<void>> done;
        std::shared_ptr<QPromise<void>> handedOver;
    };

    // Taking back a move, confirmed and not yet handed to CUPS.
    struct PendingUndo
    {
        UndoPlan plan;
        QList<Printer> knownQueues;
        std::shared_ptr<QPromise<void>> done;
        std::shared_ptr<QPromise<void>> handedOver;
    };

    static std::shared_ptr<QPromise<void>> startedPromise();
    // Starts a reload (numbered in m_reloads) and hands what it listed to
    // `then`, with the model, which is null once the window has gone.
    using Listed = std::function<void(PrintJobsViewModel *model, const ReloadOutcome &listed, quint64 reload)>;
    void startReload(const Listed &then);
    // The listings of refresh()'s reload number `reload` have ended: stores
    // their outcome, unless the confirmation is open, then starts a move that
    // waited for it.
    void reloaded(const ReloadOutcome &outcome, quint64 reload);
    // Asks for the scheduler's details about what `listed` lists and stores
    // them where they belong; once they have been stored or given up on,
    // hands `then` (when given, while the model is there) the lists with
    // their details, or as listed when none came, and finishes `done` (when
    // given).
    using Described = std::function<void(PrintJobsViewModel *model, const ReloadOutcome &described)>;
    void followWithDetails(const ReloadOutcome &listed, quint64 reload, const std::shared_ptr<QPromise<void>> &done,
                           const Described &then = {});
    void runMove(const PendingMove &move);
    // `selected` as far as `action` applies to them, after a running reload.
    QFuture<void> act(JobAction action, const QList<PrintJob> &selected);
    void runAction(const PendingAction &action);
    void runUndo(const PendingUndo &undo);
    // The jobs a move, an undo or an action hands over: it starts counting
    // `total` of them, and the progress it reports counts them off.
    void countJobs(qsizetype total);
    JobByJob::Progress countOff();

    // Each stores what a finished workflow leaves, write by write.
    void apply(const ReloadOutcome &outcome);
    // `afterword` ends the report when there is more to say.
    void apply(const MoveOutcome &outcome, const QString &afterword = {});
    // Runs the closing reload of a move, checks `outcome` against it, then
    // reports and finishes `done`.
    void closeMove(const MoveOutcome &outcome, const QList<PrintJob> &jobs,
                   const std::shared_ptr<QPromise<void>> &done);
    // Runs the closing reload of a move or of taking one back; `report`
    // checks the outcome against what it listed (when it could list) and
    // reports, then `done` finishes.
    using Report = std::function<void(PrintJobsViewModel *model, const ReloadOutcome &listed)>;
    void closeMoving(const std::shared_ptr<QPromise<void>> &done, const Report &report);
    // The same for an action, whose check needs the jobs' states: it waits
    // for the details of its closing reload.
    void closeAction(const JobActionOutcome &outcome, const PendingAction &action);
    void apply(const JobActionOutcome &outcome, const QString &afterword = {});
    // The same for taking back a move, checked as a move is.
    void closeUndo(const UndoOutcome &outcome, const std::shared_ptr<QPromise<void>> &done);
    void apply(const UndoOutcome &outcome, const QString &afterword = {});
    // Ends the move's state, for a move and for taking one back.
    void endMove(const QString &status);

    // Every write stores its value, then calls written(), also when the
    // value did not change.
    template<typename T, typename Value> void write(T &field, Value &&value)
    {
        field = std::forward<Value>(value);
        written();
    }
    void setLists(const QList<PrintJob> &jobs, const QList<Printer> &printers);
    void setSelectedJobIDs(QSet<QString> identifiers);
    // Trims the selection to what the last successful reload still lists.
    void retainValidSelections();
    // Turns an error into the pending notice.
    void present(const WorkflowError &error, const QString &title);

    // Ends every write: the row models catch up, then each property whose
    // value changed announces it.
    void written();

    CUPSService m_service;
    JobSelection m_selection;
    bool m_isLoading = false;
    bool m_isMoving = false;
    bool m_isShowingMoveConfirmation = false;
    // The jobs of the move, undo, hold, release or cancel that runs.
    qsizetype m_moveDoneCount = 0;
    qsizetype m_moveTotalCount = 0;
    NoticeQueue m_notices;
    ReloadLedger m_reloads;
    std::optional<PendingMove> m_pendingMove;
    JobActions m_actions;
    std::optional<PendingAction> m_pendingAction;
    MoveUndo m_undo;
    std::optional<PendingUndo> m_pendingUndo;
    QString m_statusText;
    std::optional<QString> m_lpmovePath;
    // Read once, as the window opens: the program pins its scheduler at
    // start (SchedulerAddress::pin), so it stays the one every tool reaches.
    const QString m_schedulerText;
    ConfirmationCache m_confirmation;
    SelectionRows m_rows;
    PropertyAnnouncer m_announcer;
};
