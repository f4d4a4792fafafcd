// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "PrintJobsViewModel.h"

#include "ExitPolicy.h"
#include "ModelTexts.h"
#include "MoveVerification.h"
#include "MoveWorkflow.h"
#include "ReloadWorkflow.h"
#include "WhenFinished.h"

#include <QPointer>
#include <QPromise>

#include <memory>
#include <utility>

using namespace Qt::StringLiterals;

PrintJobsViewModel::PrintJobsViewModel(QObject *parent)
    : PrintJobsViewModel(CUPSService(), parent)
{ }

PrintJobsViewModel::PrintJobsViewModel(const CUPSService &service, QObject *parent)
    : QObject(parent)
    , m_service(service)
    , m_statusText(ModelTexts::readyStatus())
    , m_schedulerText(ModelTexts::schedulerLine(SchedulerAddress::current()))
    , m_confirmation(m_schedulerText)
    , m_rows(this)
    , m_announcer(this, {QByteArrayLiteral("confirmation")})
{
    m_announcer.remember();
}

PrintJobsViewModel::~PrintJobsViewModel()
{
    // A move confirmed while a reload ran is handed over all the same.
    if (m_pendingMove)
        runMove(*std::exchange(m_pendingMove, std::nullopt));
    if (m_pendingAction)
        runAction(*std::exchange(m_pendingAction, std::nullopt));
    if (m_pendingUndo)
        runUndo(*std::exchange(m_pendingUndo, std::nullopt));
}

std::shared_ptr<QPromise<void>> PrintJobsViewModel::startedPromise()
{
    auto promise = std::make_shared<QPromise<void>>();
    promise->start();
    return promise;
}

void PrintJobsViewModel::written()
{
    const JobSelection::Changes changes = m_selection.takeChanges();
    m_rows.catchUp(m_selection, changes);
    m_actions.update(m_selection, changes);
    // Not composed to be compared: announced when what it is made of changed.
    m_announcer.announce(m_confirmation.update(m_selection, changes));
}

void PrintJobsViewModel::setLists(const QList<PrintJob> &jobs, const QList<Printer> &printers)
{
    // Two writes, jobs and then printers, stored together so that the rows
    // catch up once.
    m_selection.setLists(jobs, printers);
    written();
}

void PrintJobsViewModel::setSelectedJobIDs(QSet<QString> identifiers)
{
    m_selection.setSelectedKeys(std::move(identifiers));
    written();
}

void PrintJobsViewModel::setSelectedDestinationID(const std::optional<QString> &name)
{
    m_selection.setDestinationID(name);
    written();
}

void PrintJobsViewModel::setShowingMoveConfirmation(bool showing)
{
    write(m_isShowingMoveConfirmation, showing);
    if (showing)
        return;
    // What a reload found while the confirmation was open.
    if (const std::optional<ReloadOutcome> held = m_reloads.takeHeldReload())
        apply(*held);
    // Details of the lists shown: only the lists change, not the busy flags
    // of a reload that may be running.
    if (const std::optional<ReloadOutcome> detailed = m_reloads.takeHeldDetails())
        setLists(detailed->jobs, detailed->printers);
}

// Selection rules, each write announced as it happens.

void PrintJobsViewModel::toggleJobSelection(const PrintJob &job)
{
    m_selection.toggle(job, [this] { written(); });
}

void PrintJobsViewModel::setJobFilterText(const QString &text)
{
    m_selection.setFilterText(text);
    written();
}

void PrintJobsViewModel::retainValidSelections()
{
    m_selection.retainListed([this] { written(); });
}

void PrintJobsViewModel::present(const WorkflowError &error, const QString &title)
{
    m_notices.show(AppNotice::fromError(title, error));
    written();
}

// Workflows. Each reaches the model only through a QPointer, so a window
// closed mid-way leaves nothing dangling, and its future always finishes.
QFuture<void> PrintJobsViewModel::refresh()
{
    if (isBusy())
        return QtFuture::makeReadyFuture();
    const std::shared_ptr<QPromise<void>> done = startedPromise();
    startReload([done](PrintJobsViewModel *model, const ReloadOutcome &listed, quint64 reload) {
        if (!model)
            return done->finish();
        model->reloaded(listed, reload);
        model->followWithDetails(listed, reload, done);
    });
    return done->future();
}

void PrintJobsViewModel::startReload(const Listed &then)
{
    write(m_isLoading, true);
    const quint64 reload = m_reloads.start();
    whenFinished(ReloadWorkflow::run(m_service, this),
                 [model = QPointer(this), then, reload](const std::optional<ReloadOutcome> &outcome) {
                     then(model, outcome.value_or(ReloadOutcome::failed(WorkflowError::unexpected())), reload);
                 });
}

void PrintJobsViewModel::reloaded(const ReloadOutcome &outcome, quint64 reload)
{
    if (m_isShowingMoveConfirmation) {
        // The confirmation lists exactly what will be moved: the lists wait
        // until it closes.
        m_reloads.hold(outcome, reload);
        write(m_isLoading, false);
        return;
    }
    apply(outcome);
    m_reloads.shown(reload);
    // A move confirmed while this reload ran starts now.
    if (m_pendingMove) {
        PendingMove move = *std::exchange(m_pendingMove, std::nullopt);
        move.knownQueues.append(printers());
        runMove(move);
    }
    if (m_pendingAction)
        runAction(*std::exchange(m_pendingAction, std::nullopt));
    if (m_pendingUndo) {
        PendingUndo undo = *std::exchange(m_pendingUndo, std::nullopt);
        undo.knownQueues.append(printers());
        runUndo(undo);
    }
}

void PrintJobsViewModel::followWithDetails(const ReloadOutcome &listed, quint64 reload,
                                           const std::shared_ptr<QPromise<void>> &done, const Described &then)
{
    // The lists are shown and the model is idle meanwhile: a stuck scheduler
    // holds up neither a move nor another reload.
    m_reloads.detailsAsked();
    whenFinished(ReloadWorkflow::addDetails(m_service, listed),
                 [model = QPointer(this), done, reload, listed, then](const std::optional<ReloadOutcome> &detailed) {
                     const bool described = detailed && !detailed->error;
                     if (model) {
                         model->m_reloads.detailsEnded();
                         // The same jobs and queues as shown, so every row
                         // and the selection stay.
                         if (described) {
                             if (const std::optional<ReloadOutcome> due = model->m_reloads.detailsArrived(
                                     *detailed, reload, model->m_isShowingMoveConfirmation))
                                 model->setLists(due->jobs, due->printers);
                         }
                         if (then)
                             then(model, described ? *detailed : listed);
                     }
                     if (done)
                         done->finish();
                 });
}

void PrintJobsViewModel::apply(const ReloadOutcome &outcome)
{
    m_undo.listsLoaded(!outcome.error);
    if (outcome.error) {
        // Nothing stale may be offered for a move.
        setLists({}, {});
        setSelectedJobIDs({});
        setSelectedDestinationID(std::nullopt);
        write(m_statusText, ModelTexts::loadFailedStatus());
        m_notices.reloadFailed(AppNotice::fromError(ModelTexts::loadFailedTitle(), *outcome.error));
        written();
    } else {
        m_notices.reloadSucceeded();
        setLists(outcome.jobs, outcome.printers);
        write(m_lpmovePath, outcome.lpmovePath);
        retainValidSelections();
        write(m_statusText, ModelTexts::loadedStatus(outcome.jobs.size(), outcome.printers.size()));
    }
    write(m_isLoading, false);
}

QFuture<void> PrintJobsViewModel::moveSelectedJobs()
{
    const QList<PrintJob> jobs = selectedJobs();
    const std::optional<Printer> destination = selectedDestination();
    if (jobs.isEmpty() || !destination || holdsRows())
        return QtFuture::makeReadyFuture();

    // Exactly what the confirmation listed, whatever a held reload now trims.
    PendingMove move {jobs, *destination, printers(), startedPromise(), startedPromise()};
    setShowingMoveConfirmation(false);
    // Only the last move can be taken back.
    m_undo.withdraw();
    countJobs(jobs.size());
    write(m_isMoving, true);
    ExitPolicy::trackMove(move.handedOver->future());
    // A running reload ends first; the move follows at once.
    if (m_isLoading)
        m_pendingMove = move;
    else
        runMove(move);
    return move.done->future();
}

void PrintJobsViewModel::runMove(const PendingMove &move)
{
    // Once confirmed, every job of this snapshot is handed over, also after
    // the window has gone; only its report and the closing reload need it.
    whenFinished(MoveWorkflow::run(m_service, move.jobs, move.destination, move.knownQueues, countOff()),
                 [model = QPointer(this), move](const std::optional<MoveOutcome> &outcome) {
                     move.handedOver->finish();
                     if (!model)
                         return move.done->finish();
                     model->closeMove(outcome.value_or(MoveOutcome::allFailed(move.jobs, move.destination,
                                                                              WorkflowError::unexpected())),
                                      move.jobs, move.done);
                 });
}

void PrintJobsViewModel::closeMove(const MoveOutcome &outcome, const QList<PrintJob> &jobs,
                                   const std::shared_ptr<QPromise<void>> &done)
{
    closeMoving(done, [outcome, jobs](PrintJobsViewModel *model, const ReloadOutcome &listed) {
        if (listed.error)
            return model->apply(outcome, ModelTexts::moveNotChecked());
        const MoveOutcome verified = MoveVerification::verified(outcome, jobs, listed.jobs, listed.printers);
        model->m_undo.offer(verified);
        model->apply(verified);
    });
}

void PrintJobsViewModel::closeMoving(const std::shared_ptr<QPromise<void>> &done, const Report &report)
{
    // The report waits for the closing reload, which shows where each job is
    // now; the details of its lists follow apart from the move.
    startReload([done, report](PrintJobsViewModel *model, const ReloadOutcome &listed, quint64 reload) {
        if (model) {
            if (listed.error) {
                // Nothing to check the report against: it stands as lpmove
                // gave it, says so, and the failure's notice follows once it
                // is dismissed.
                report(model, listed);
                model->apply(listed);
            } else {
                model->apply(listed);
                report(model, listed);
            }
            model->m_reloads.shown(reload);
            model->followWithDetails(listed, reload, nullptr);
        }
        done->finish();
    });
}

void PrintJobsViewModel::apply(const MoveOutcome &outcome, const QString &afterword)
{
    AppNotice report = ModelTexts::moveNotice(outcome);
    if (!afterword.isEmpty())
        report.message += u"\n\n"_s + afterword;
    report.offersUndo = m_undo.isOffered();
    m_notices.show(report);
    written();
    endMove(ModelTexts::moveStatus(outcome));
}

void PrintJobsViewModel::endMove(const QString &status)
{
    write(m_statusText, status);
    write(m_isMoving, false);
    countJobs(0);
}

void PrintJobsViewModel::countJobs(qsizetype total)
{
    write(m_moveTotalCount, total);
    write(m_moveDoneCount, 0);
}

JobByJob::Progress PrintJobsViewModel::countOff()
{
    return [model = QPointer(this)](qsizetype handled) {
        if (model)
            model->write(model->m_moveDoneCount, handled);
    };
}

// QML entry points. A reload leaves the rows to the user; a move takes them
// away, and the guards here keep a late click from slipping through as well.

void PrintJobsViewModel::toggleJobSelectionAt(int row)
{
    if (holdsRows() || row < 0 || row >= m_rows.jobs()->count())
        return;
    toggleJobSelection(m_rows.jobs()->jobAt(row));
}

void PrintJobsViewModel::chooseDestinationAt(int row)
{
    if (holdsRows() || row < 0 || row >= m_rows.destinations()->count())
        return;
    setSelectedDestinationID(m_rows.destinations()->printerAt(row).name);
}

void PrintJobsViewModel::chooseSourceQueueAt(int row)
{
    const QList<JobSelection::SourceQueue> &queues = m_selection.sourceQueues();
    if (row < 0 || row > queues.size())
        return;
    m_selection.setFilterQueue(row == 0 ? std::nullopt : std::optional<QString>(queues.at(row - 1).key));
    written();
}

void PrintJobsViewModel::selectShownJobs()
{
    if (!holdsRows())
        m_selection.selectShown([this] { written(); });
}

void PrintJobsViewModel::clearJobSelection()
{
    if (!holdsRows())
        m_selection.clearSelection([this] { written(); });
}

void PrintJobsViewModel::requestMoveConfirmation()
{
    if (canRequestMove())
        setShowingMoveConfirmation(true);
}

void PrintJobsViewModel::dismissNotice()
{
    m_notices.dismiss();
    written();
}
