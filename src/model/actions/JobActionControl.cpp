// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "JobActionControl.h"

#include "CountedWork.h"
#include "JobActionVerification.h"
#include "JobActionWorkflow.h"
#include "ModelTexts.h"
#include "WindowState.h"

namespace {

WorkReport reportOf(const JobActionOutcome &outcome)
{
    return WorkReport {ModelTexts::actionNotice(outcome), ModelTexts::actionStatus(outcome)};
}

} // namespace

JobActionControl::JobActionControl(WindowState &state, CountedWork &work, QObject *parent)
    : Capability(state, parent)
    , m_work(work)
    , m_cancelQuestion([this] { cancelSelectedJobs(); },
                       [this] {
                           m_actions.closeCancelConfirmation();
                           m_cancelQuestion.close();
                           m_state.written();
                       },
                       this)
{
    watch([this](JobSelection::Changes changes) { m_actions.update(m_state.selection, changes); });
    m_state.addQuestion(&m_cancelQuestion);
}

bool JobActionControl::allows(JobAction action) const
{
    return !m_state.working && m_actions.allows(action);
}

QFuture<void> JobActionControl::holdSelectedJobs()
{
    return act(JobAction::Hold, m_state.selection.selectedJobs());
}

QFuture<void> JobActionControl::releaseSelectedJobs()
{
    return act(JobAction::Release, m_state.selection.selectedJobs());
}

void JobActionControl::requestCancelConfirmation()
{
    // One question at a time.
    if (!canCancel() || m_state.isAsking())
        return;
    m_actions.askToCancel(CancelConfirmation::compose(
        JobActions::applicable(JobAction::Cancel, m_state.selection.selectedJobs()), m_state.schedulerText));
    m_cancelQuestion.open(m_actions.cancelConfirmation());
    m_state.written();
}

QFuture<void> JobActionControl::cancelSelectedJobs()
{
    if (!m_cancelQuestion.isOpen())
        return act(JobAction::Cancel, m_state.selection.selectedJobs());
    // Exactly what the question listed, whatever a reload trimmed meanwhile.
    const QList<PrintJob> listed = m_actions.closeCancelConfirmation();
    m_cancelQuestion.close();
    m_state.written();
    return act(JobAction::Cancel, listed);
}

QFuture<void> JobActionControl::act(JobAction action, const QList<PrintJob> &selected)
{
    const QList<PrintJob> jobs = JobActions::applicable(action, selected);
    if (jobs.isEmpty() || m_state.working)
        return QtFuture::makeReadyFuture();
    // The report names every selected job, also those left alone.
    const QList<PrintJob> beingPrinted = JobActions::beingPrinted(action, selected);
    const QList<PrintJob> alreadyDone = JobActions::alreadyDone(action, selected);
    const auto verdictsOf = [jobs, beingPrinted, alreadyDone](const JobActionOutcome &handedOver) {
        JobActionOutcome outcome = handedOver;
        outcome.beingPrinted = beingPrinted;
        outcome.alreadyDone = alreadyDone;
        outcome.selectedCount += beingPrinted.size() + alreadyDone.size();
        return WorkVerdicts {reportOf(outcome), ModelTexts::actionNotChecked(outcome.action),
                             [outcome, jobs](const ReloadOutcome &described) {
                                 return reportOf(JobActionVerification::verified(outcome, jobs, described.jobs));
                             }};
    };
    const CUPSService service = m_state.service;
    return m_work.start(WorkTask {
        .kind = WorkTask::Kind::Acting,
        .jobCount = jobs.size(),
        .progressText
        = [action](qsizetype done, qsizetype total) { return ModelTexts::actionProgress(action, done, total); },
        .handOver =
            [service, jobs, action, verdictsOf](JobByJob::Progress progress, const QList<Printer> &) {
                return JobActionWorkflow::run(service, jobs, action, progress).then(verdictsOf);
            },
        .failedUnexpectedly
        = [verdictsOf, action,
           jobs] { return verdictsOf(JobActionOutcome::allFailed(action, jobs, WorkflowError::unexpected())); },
        .checksStates = true,
    });
}
