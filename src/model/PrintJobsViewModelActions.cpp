// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
// PrintJobsViewModel's hold, release and cancel: like a move, each hands its
// jobs to CUPS one by one, ends with a reload, and reports what that reload
// bears out. Unlike a move, the check needs the jobs' states, which only the
// scheduler's details of that reload tell.
#include "PrintJobsViewModel.h"

#include "ExitPolicy.h"
#include "JobActionVerification.h"
#include "JobActionWorkflow.h"
#include "ModelTexts.h"
#include "WhenFinished.h"

#include <QPointer>

#include <utility>

using namespace Qt::StringLiterals;

QFuture<void> PrintJobsViewModel::holdSelectedJobs()
{
    return act(JobAction::Hold, selectedJobs());
}

QFuture<void> PrintJobsViewModel::releaseSelectedJobs()
{
    return act(JobAction::Release, selectedJobs());
}

void PrintJobsViewModel::requestCancelConfirmation()
{
    if (canCancelJobs())
        setShowingCancelConfirmation(true);
}

void PrintJobsViewModel::setShowingCancelConfirmation(bool showing)
{
    // One question at a time: never over the move confirmation.
    if (showing == isShowingCancelConfirmation()
        || (showing && (!canCancelJobs() || m_isShowingMoveConfirmation || isShowingUndoConfirmation())))
        return;
    if (showing)
        m_actions.askToCancel(
            CancelConfirmation::compose(JobActions::applicable(JobAction::Cancel, selectedJobs()), m_schedulerText));
    else
        m_actions.takeCancelledJobs();
    written();
}

QFuture<void> PrintJobsViewModel::cancelSelectedJobs()
{
    if (!isShowingCancelConfirmation())
        return act(JobAction::Cancel, selectedJobs());
    // Exactly what the confirmation listed, whatever a reload trimmed meanwhile.
    const QList<PrintJob> listed = m_actions.takeCancelledJobs();
    written();
    return act(JobAction::Cancel, listed);
}

QFuture<void> PrintJobsViewModel::act(JobAction action, const QList<PrintJob> &selected)
{
    const QList<PrintJob> jobs = JobActions::applicable(action, selected);
    if (jobs.isEmpty() || holdsRows())
        return QtFuture::makeReadyFuture();
    PendingAction pending {action,
                           jobs,
                           JobActions::beingPrinted(action, selected),
                           JobActions::alreadyDone(action, selected),
                           startedPromise(),
                           startedPromise()};
    // Only a move that comes last can be taken back.
    m_undo.withdraw();
    m_actions.start(action);
    countJobs(jobs.size());
    // What the user asked for reaches CUPS also when the window closes now.
    ExitPolicy::trackMove(pending.handedOver->future());
    // A running reload ends first, so that its older lists cannot follow the
    // closing reload's.
    if (m_isLoading)
        m_pendingAction = pending;
    else
        runAction(pending);
    return pending.done->future();
}

void PrintJobsViewModel::runAction(const PendingAction &action)
{
    whenFinished(JobActionWorkflow::run(m_service, action.jobs, action.action, countOff()),
                 [model = QPointer(this), action](const std::optional<JobActionOutcome> &outcome) {
                     action.handedOver->finish();
                     if (!model)
                         return action.done->finish();
                     model->closeAction(outcome.value_or(JobActionOutcome::allFailed(action.action, action.jobs,
                                                                                     WorkflowError::unexpected())),
                                        action);
                 });
}

void PrintJobsViewModel::closeAction(const JobActionOutcome &handedOver, const PendingAction &action)
{
    // The report names every selected job, also those left alone.
    JobActionOutcome outcome = handedOver;
    outcome.beingPrinted = action.beingPrinted;
    outcome.alreadyDone = action.alreadyDone;
    outcome.selectedCount += action.beingPrinted.size() + action.alreadyDone.size();
    const std::shared_ptr<QPromise<void>> &done = action.done;
    const QList<PrintJob> &jobs = action.jobs;
    startReload([done, outcome, jobs](PrintJobsViewModel *model, const ReloadOutcome &listed, quint64 reload) {
        if (!model)
            return done->finish();
        if (listed.error) {
            model->apply(outcome, ModelTexts::actionNotChecked(outcome.action));
            model->apply(listed);
            model->m_reloads.shown(reload);
            return done->finish();
        }
        model->apply(listed);
        model->m_reloads.shown(reload);
        // The lists are on screen; the report waits for their states.
        model->followWithDetails(listed, reload, done,
                                 [outcome, jobs](PrintJobsViewModel *model, const ReloadOutcome &described) {
                                     model->apply(JobActionVerification::verified(outcome, jobs, described.jobs));
                                 });
    });
}

void PrintJobsViewModel::apply(const JobActionOutcome &outcome, const QString &afterword)
{
    AppNotice report = ModelTexts::actionNotice(outcome);
    if (!afterword.isEmpty())
        report.message += u"\n\n"_s + afterword;
    m_notices.show(report);
    written();
    write(m_statusText, ModelTexts::actionStatus(outcome));
    m_actions.finish();
    countJobs(0);
}
