// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "PrintJobsViewModel.h"

#include "DisplayText.h"
#include "ExitPolicy.h"
#include "ModelTexts.h"
#include "MoveVerification.h"
#include "MoveWorkflow.h"
#include "ReloadWorkflow.h"
#include "WhenFinished.h"

#include <QPointer>
#include <QPromise>

#include <memory>
#include <tuple>
#include <utility>

using namespace Qt::StringLiterals;

// Every value a property shows, in the order their signals go out.
struct PrintJobsViewModel::Face
{
    bool isLoading;
    bool isMoving;
    bool isBusy;
    bool isShowingMoveConfirmation;
    QString statusText;
    std::optional<QString> lpmovePath;
    std::optional<AppNotice> notice;
    std::tuple<qsizetype, qsizetype, QString> moveProgress;
    int jobCount;
    int selectedJobCount;
    QString singleSelectedJobIdentifier;
    QString sourcePrinterNamesText;
    QString selectionNote;
    bool canSelectShownJobs;
    bool canClearJobSelection;
    std::optional<QString> selectedDestination;
    int destinationCount;
    bool canRequestMove;
    // Whether there is anything to confirm: the confirmation's texts are
    // empty otherwise, and not composed here.
    bool confirmable;
    QString jobFilterText;
    int sourceQueueIndex;
    int shownJobCount;
};

PrintJobsViewModel::PrintJobsViewModel(QObject *parent)
    : PrintJobsViewModel(CUPSService(), parent)
{ }

PrintJobsViewModel::PrintJobsViewModel(const CUPSService &service, QObject *parent)
    : QObject(parent)
    , m_service(service)
    , m_statusText(ModelTexts::readyStatus())
    , m_jobModel(new JobListModel(this))
    , m_destinationModel(new PrinterListModel(this))
    , m_sourceQueueModel(new QStringListModel({ModelTexts::allSourceQueues()}, this))
{
    m_face = std::make_unique<Face>(face());
}

PrintJobsViewModel::~PrintJobsViewModel()
{
    // A move confirmed while a reload ran is handed over all the same.
    if (m_pendingMove)
        runMove(*std::exchange(m_pendingMove, std::nullopt));
}

PrintJobsViewModel::Face PrintJobsViewModel::face() const
{
    const std::optional<Printer> destination = selectedDestination();
    return Face {
        .isLoading = isLoading(),
        .isMoving = isMoving(),
        .isBusy = isBusy(),
        .isShowingMoveConfirmation = isShowingMoveConfirmation(),
        .statusText = statusText(),
        .lpmovePath = lpmovePath(),
        .notice = notice(),
        .moveProgress = {m_moveDoneCount, m_moveTotalCount, moveProgressText()},
        .jobCount = jobCount(),
        .selectedJobCount = selectedJobCount(),
        .singleSelectedJobIdentifier = singleSelectedJobIdentifier(),
        .sourcePrinterNamesText = sourcePrinterNamesText(),
        .selectionNote = selectionNote(),
        .canSelectShownJobs = canSelectShownJobs(),
        .canClearJobSelection = canClearJobSelection(),
        .selectedDestination = destination ? std::optional(destination->name) : std::nullopt,
        .destinationCount = destinationCount(),
        .canRequestMove = canRequestMove(),
        .confirmable = destination && m_selection.selectedCount() > 0,
        .jobFilterText = jobFilterText(),
        .sourceQueueIndex = sourceQueueIndex(),
        .shownJobCount = shownJobCount(),
    };
}

const PrintJobsViewModel::Confirmation &PrintJobsViewModel::confirmation() const
{
    if (m_confirmation)
        return *m_confirmation;
    const std::optional<Printer> destination = selectedDestination();
    if (!destination || m_selection.selectedCount() == 0)
        return m_confirmation.emplace();
    const QList<PrintJob> jobs = selectedJobs();
    return m_confirmation.emplace(Confirmation {
        .headline = ModelTexts::confirmationHeadline(jobs.size()),
        .lines = ModelTexts::confirmationLines(jobs),
        .destination = ModelTexts::confirmationDestination(destination->name),
        .warning = ModelTexts::confirmationWarning(),
        .stateWarnings = ModelTexts::confirmationStateWarnings(jobs, *destination),
    });
}

// Writes: store, then written(), also when the value did not change.

void PrintJobsViewModel::written()
{
    // The selection says what its writes changed, so a write that leaves the
    // destination list alone does not rebuild its rows.
    const JobSelection::Changes changes = m_selection.takeChanges();
    // A reload keeps the rows of the jobs that stay; a new filter refills
    // the rows there are.
    if (changes & JobSelection::Listing)
        m_jobModel->update(m_selection.shownEntries());
    else if (changes & JobSelection::Shown)
        m_jobModel->refill(m_selection.shownEntries());
    else if (changes & JobSelection::Marks)
        m_jobModel->updateSelection(m_selection.entries());
    if (changes & JobSelection::Listing) {
        QStringList choices {ModelTexts::allSourceQueues()};
        for (const JobSelection::SourceQueue &queue : m_selection.sourceQueues())
            choices.append(ModelTexts::sourceQueueChoice(queue.name, queue.jobCount));
        // Unchanged choices keep the chooser's rows, and an open list stays open.
        if (choices != m_sourceQueueModel->stringList())
            m_sourceQueueModel->setStringList(choices);
    }
    if (changes & JobSelection::Destinations)
        m_destinationModel->update(m_selection.destinationEntries(), m_selection.destinationKey());
    const bool confirmationInputs
        = changes & (JobSelection::Listing | JobSelection::Marks | JobSelection::Destinations);
    if (confirmationInputs)
        m_confirmation.reset();

    // All values first, then the signals: a handler that writes again
    // compares against what this write showed.
    Face now = face();
    const Face before = std::exchange(*m_face, now);
    const auto announce = [this](bool differs, void (PrintJobsViewModel::*signal)()) {
        if (differs)
            Q_EMIT(this->*signal)();
    };
    announce(before.isLoading != now.isLoading, &PrintJobsViewModel::isLoadingChanged);
    announce(before.isMoving != now.isMoving, &PrintJobsViewModel::isMovingChanged);
    announce(before.isBusy != now.isBusy, &PrintJobsViewModel::isBusyChanged);
    announce(before.isShowingMoveConfirmation != now.isShowingMoveConfirmation,
             &PrintJobsViewModel::isShowingMoveConfirmationChanged);
    announce(before.statusText != now.statusText, &PrintJobsViewModel::statusTextChanged);
    announce(before.lpmovePath != now.lpmovePath, &PrintJobsViewModel::lpmovePathChanged);
    announce(before.notice != now.notice, &PrintJobsViewModel::noticeChanged);
    announce(before.moveProgress != now.moveProgress, &PrintJobsViewModel::moveProgressChanged);
    announce(before.jobCount != now.jobCount, &PrintJobsViewModel::jobCountChanged);
    announce(before.selectedJobCount != now.selectedJobCount, &PrintJobsViewModel::selectedJobCountChanged);
    announce(before.singleSelectedJobIdentifier != now.singleSelectedJobIdentifier,
             &PrintJobsViewModel::singleSelectedJobIdentifierChanged);
    announce(before.sourcePrinterNamesText != now.sourcePrinterNamesText,
             &PrintJobsViewModel::sourcePrinterNamesTextChanged);
    announce(before.selectionNote != now.selectionNote, &PrintJobsViewModel::selectionNoteChanged);
    announce(before.canSelectShownJobs != now.canSelectShownJobs, &PrintJobsViewModel::canSelectShownJobsChanged);
    announce(before.canClearJobSelection != now.canClearJobSelection, &PrintJobsViewModel::canClearJobSelectionChanged);
    announce(before.selectedDestination != now.selectedDestination, &PrintJobsViewModel::selectedDestinationChanged);
    announce(before.destinationCount != now.destinationCount, &PrintJobsViewModel::destinationCountChanged);
    announce(before.canRequestMove != now.canRequestMove, &PrintJobsViewModel::canRequestMoveChanged);
    // Not composed to be compared: what it is made of changed, and it is
    // not empty on both sides.
    announce(confirmationInputs && (before.confirmable || now.confirmable), &PrintJobsViewModel::confirmationChanged);
    announce(before.jobFilterText != now.jobFilterText, &PrintJobsViewModel::jobFilterTextChanged);
    announce(before.sourceQueueIndex != now.sourceQueueIndex, &PrintJobsViewModel::sourceQueueIndexChanged);
    announce(before.shownJobCount != now.shownJobCount, &PrintJobsViewModel::shownJobCountChanged);
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

void PrintJobsViewModel::setLoading(bool loading)
{
    m_isLoading = loading;
    written();
}

void PrintJobsViewModel::setMoving(bool moving)
{
    m_isMoving = moving;
    written();
}

void PrintJobsViewModel::setMoveDoneCount(qsizetype count)
{
    m_moveDoneCount = count;
    written();
}

void PrintJobsViewModel::setMoveTotalCount(qsizetype count)
{
    m_moveTotalCount = count;
    written();
}

void PrintJobsViewModel::setShowingMoveConfirmation(bool showing)
{
    m_isShowingMoveConfirmation = showing;
    written();
    // What a reload found while the confirmation was open.
    if (!showing && m_heldReload) {
        apply(*std::exchange(m_heldReload, std::nullopt));
        m_shownReload = m_heldReloadNumber;
    }
    // Details of the lists shown: only the lists change, not the busy flags
    // of a reload that may be running.
    if (!showing && m_heldDetails) {
        const ReloadOutcome detailed = *std::exchange(m_heldDetails, std::nullopt);
        setLists(detailed.jobs, detailed.printers);
    }
}

void PrintJobsViewModel::setNotice(const std::optional<AppNotice> &notice)
{
    m_notice = notice;
    m_noticeIsLoadFailure = false;
    written();
}

void PrintJobsViewModel::setStatusText(const QString &text)
{
    m_statusText = text;
    written();
}

void PrintJobsViewModel::setLpmovePath(const std::optional<QString> &path)
{
    m_lpmovePath = path;
    written();
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
    setNotice(AppNotice::make(title, errorMessage(error)));
}

void PrintJobsViewModel::presentLoadFailure(const AppNotice &notice)
{
    if (m_notice && !m_noticeIsLoadFailure) {
        m_waitingLoadFailure = notice;
        return;
    }
    setNotice(notice);
    m_noticeIsLoadFailure = true;
}

QString PrintJobsViewModel::errorMessage(const WorkflowError &error)
{
    const std::optional<QString> suggestion = error.recoverySuggestion();
    const QString description = error.description();
    return suggestion ? description + u"\n\n"_s + *suggestion : description;
}

// Workflows. Each reaches the model only through a QPointer, so a window
// closed mid-way leaves nothing dangling, and its future always finishes.

QFuture<void> PrintJobsViewModel::refresh()
{
    if (isBusy())
        return QtFuture::makeReadyFuture();
    setLoading(true);
    auto done = std::make_shared<QPromise<void>>();
    done->start();
    const quint64 reload = ++m_reloadsStarted;
    whenFinished(ReloadWorkflow::run(m_service, this),
                 [model = QPointer(this), done, reload](const std::optional<ReloadOutcome> &outcome) {
                     if (!model)
                         return done->finish();
                     const ReloadOutcome listed = outcome.value_or(ReloadOutcome::failed(WorkflowError::unexpected()));
                     model->reloaded(listed, reload);
                     model->followWithDetails(listed, reload, done);
                 });
    return done->future();
}

void PrintJobsViewModel::reloaded(const ReloadOutcome &outcome, quint64 reload)
{
    if (m_isShowingMoveConfirmation) {
        // The confirmation lists exactly what will be moved: the lists wait
        // until it closes.
        m_heldReload = outcome;
        m_heldReloadNumber = reload;
        m_heldDetails.reset();
        setLoading(false);
        return;
    }
    apply(outcome);
    m_shownReload = reload;
    m_heldDetails.reset();
    // A move confirmed while this reload ran starts now.
    if (m_pendingMove) {
        PendingMove move = *std::exchange(m_pendingMove, std::nullopt);
        move.knownQueues.append(printers());
        runMove(move);
    }
}

void PrintJobsViewModel::followWithDetails(const ReloadOutcome &listed, quint64 reload,
                                           const std::shared_ptr<QPromise<void>> &done)
{
    // The lists are shown and the model is idle meanwhile: a stuck scheduler
    // holds up neither a move nor another reload.
    ++m_detailsAwaited;
    whenFinished(ReloadWorkflow::addDetails(m_service, listed),
                 [model = QPointer(this), done, reload](const std::optional<ReloadOutcome> &detailed) {
                     if (model)
                         --model->m_detailsAwaited;
                     if (model && detailed && !detailed->error)
                         model->detailsArrived(*detailed, reload);
                     if (done)
                         done->finish();
                 });
}

void PrintJobsViewModel::detailsArrived(const ReloadOutcome &detailed, quint64 reload)
{
    // Details belong to the lists they were asked for; a later reload's
    // lists stand until their own details come.
    if (m_heldReload) {
        if (m_heldReloadNumber == reload)
            m_heldReload = detailed;
        return;
    }
    if (m_shownReload != reload)
        return;
    if (m_isShowingMoveConfirmation) {
        m_heldDetails = detailed;
        return;
    }
    // The same jobs and queues as shown, so every row and the selection stay.
    setLists(detailed.jobs, detailed.printers);
}

void PrintJobsViewModel::apply(const ReloadOutcome &outcome)
{
    if (outcome.error) {
        // Nothing stale may be offered for a move.
        setLists({}, {});
        setSelectedJobIDs({});
        setSelectedDestinationID(std::nullopt);
        setStatusText(ModelTexts::loadFailedStatus());
        // While CUPS stays away, its alert comes once; the status line says the rest.
        const std::pair failure {ModelTexts::loadFailedTitle(), errorMessage(*outcome.error)};
        if (m_lastReloadFailure != failure)
            presentLoadFailure(AppNotice::make(failure.first, failure.second));
        m_lastReloadFailure = failure;
    } else {
        m_lastReloadFailure.reset();
        setLists(outcome.jobs, outcome.printers);
        setLpmovePath(outcome.lpmovePath);
        retainValidSelections();
        setStatusText(ModelTexts::loadedStatus(outcome.jobs.size(), outcome.printers.size()));
    }
    setLoading(false);
}

QFuture<void> PrintJobsViewModel::moveSelectedJobs()
{
    const QList<PrintJob> jobs = selectedJobs();
    const std::optional<Printer> destination = selectedDestination();
    if (jobs.isEmpty() || !destination || m_isMoving)
        return QtFuture::makeReadyFuture();

    // Exactly what the confirmation listed, whatever a held reload now trims.
    PendingMove move {jobs, *destination, printers(), std::make_shared<QPromise<void>>()};
    move.done->start();
    setShowingMoveConfirmation(false);
    setMoveDoneCount(0);
    setMoveTotalCount(jobs.size());
    setMoving(true);
    ExitPolicy::trackMove(move.done->future());
    // A running reload ends first; the move follows at once.
    if (m_isLoading)
        m_pendingMove = move;
    else
        runMove(move);
    return move.done->future();
}

void PrintJobsViewModel::runMove(const PendingMove &move)
{
    const auto progress = [model = QPointer(this)](qsizetype handled) {
        if (model)
            model->setMoveDoneCount(handled);
    };
    // Once confirmed, every job of this snapshot is handed over, also after
    // the window has gone; only its report and the closing reload need it.
    whenFinished(MoveWorkflow::run(m_service, move.jobs, move.destination, move.knownQueues, progress),
                 [model = QPointer(this), move](const std::optional<MoveOutcome> &outcome) {
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
    // The report waits for the closing reload, which shows where each job is
    // now; the details of its lists follow apart from the move.
    setLoading(true);
    const quint64 reload = ++m_reloadsStarted;
    whenFinished(ReloadWorkflow::run(m_service, this),
                 [model = QPointer(this), done, outcome, jobs, reload](const std::optional<ReloadOutcome> &result) {
                     if (model) {
                         const ReloadOutcome listed
                             = result.value_or(ReloadOutcome::failed(WorkflowError::unexpected()));
                         if (listed.error) {
                             // Nothing to check the report against: it stands as
                             // lpmove gave it, says so, and the failure's notice
                             // follows once it is dismissed.
                             model->apply(outcome, ModelTexts::moveNotChecked());
                             model->apply(listed);
                         } else {
                             model->apply(listed);
                             model->apply(MoveVerification::verified(outcome, jobs, listed.jobs, listed.printers));
                         }
                         model->m_shownReload = reload;
                         model->m_heldDetails.reset();
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
    setNotice(report);
    setStatusText(ModelTexts::moveStatus(outcome));
    setMoving(false);
    setMoveTotalCount(0);
    setMoveDoneCount(0);
}

// QML entry points. A reload leaves the rows to the user; a move takes them
// away, and the guards here keep a late click from slipping through as well.

void PrintJobsViewModel::toggleJobSelectionAt(int row)
{
    if (m_isMoving || row < 0 || row >= m_jobModel->count())
        return;
    toggleJobSelection(m_jobModel->jobAt(row));
}

void PrintJobsViewModel::chooseDestinationAt(int row)
{
    if (m_isMoving || row < 0 || row >= m_destinationModel->count())
        return;
    setSelectedDestinationID(m_destinationModel->printerAt(row).name);
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
    if (!m_isMoving)
        m_selection.selectShown([this] { written(); });
}

void PrintJobsViewModel::clearJobSelection()
{
    if (!m_isMoving)
        m_selection.clearSelection([this] { written(); });
}

void PrintJobsViewModel::requestMoveConfirmation()
{
    if (canRequestMove())
        setShowingMoveConfirmation(true);
}

void PrintJobsViewModel::dismissNotice()
{
    if (m_waitingLoadFailure) {
        // A failure to load that came while a move's report was up.
        setNotice(*std::exchange(m_waitingLoadFailure, std::nullopt));
        m_noticeIsLoadFailure = true;
        return;
    }
    setNotice(std::nullopt);
}

// Derived values for the view.

QString PrintJobsViewModel::confirmationMessage() const
{
    const QList<PrintJob> jobs = selectedJobs();
    const std::optional<Printer> destination = selectedDestination();
    if (jobs.isEmpty() || !destination)
        return {};
    QStringList parts {ModelTexts::confirmation(jobs, destination->name)};
    parts.append(ModelTexts::confirmationStateWarnings(jobs, *destination));
    return parts.join(u"\n\n"_s);
}

QString PrintJobsViewModel::confirmationHeadline() const
{
    return confirmation().headline;
}

QStringList PrintJobsViewModel::confirmationLines() const
{
    return confirmation().lines;
}

QString PrintJobsViewModel::confirmationDestinationText() const
{
    return confirmation().destination;
}

QString PrintJobsViewModel::confirmationWarning() const
{
    return confirmation().warning;
}

QStringList PrintJobsViewModel::confirmationStateWarnings() const
{
    return confirmation().stateWarnings;
}

QString PrintJobsViewModel::moveProgressText() const
{
    return m_isMoving && m_moveTotalCount > 0 ? ModelTexts::moveProgress(m_moveDoneCount, m_moveTotalCount) : QString();
}

QString PrintJobsViewModel::selectionNote() const
{
    return ModelTexts::selectionNote(m_selection.selectedCount(), m_selection.hiddenSelectedCount());
}

QString PrintJobsViewModel::selectedDestinationName() const
{
    const std::optional<Printer> destination = selectedDestination();
    return destination ? DisplayText::field(destination->name) : QString();
}

QString PrintJobsViewModel::lpmovePathText() const
{
    return DisplayText::field(m_lpmovePath.value_or(QString()));
}

QString PrintJobsViewModel::noticeIDText() const
{
    return m_notice ? m_notice->id.toString(QUuid::WithoutBraces) : QString();
}
