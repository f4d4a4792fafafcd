// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "UndoControl.h"

#include "CountedWork.h"
#include "ModelTexts.h"
#include "ReloadControl.h"
#include "UndoWorkflow.h"
#include "WindowState.h"

namespace {

WorkReport reportOf(const UndoOutcome &outcome)
{
    return WorkReport {ModelTexts::undoNotice(outcome), ModelTexts::undoStatus(outcome)};
}

// Checked as a move is: against where the closing reload lists each job.
WorkVerdicts verdictsOf(const UndoOutcome &outcome)
{
    return WorkVerdicts {reportOf(outcome), ModelTexts::moveNotChecked(), [outcome](const ReloadOutcome &closing) {
                             return reportOf(UndoWorkflow::verified(outcome, closing.jobs, closing.printers));
                         }};
}

} // namespace

UndoControl::UndoControl(WindowState &state, ReloadControl &reload, CountedWork &work, QObject *parent)
    : Capability(state, parent)
    , m_work(work)
    , m_question([this] { undoLastMove(); },
                 [this] {
                     m_undo.takePlan();
                     m_question.close();
                     m_state.written();
                 },
                 this)
{
    watch();
    m_state.addQuestion(&m_question);
    // Only the last move can be taken back, and only while nothing else came after it.
    connect(&work, &CountedWork::started, this, &UndoControl::withdraw);
    connect(&reload, &ReloadControl::loaded, this, [this](bool listed) { m_undo.listsLoaded(listed); });
}

bool UndoControl::canUndo() const
{
    return !m_state.working && m_undo.isOffered();
}

void UndoControl::offer(const MoveOutcome &verified)
{
    m_undo.offer(verified);
}

void UndoControl::withdraw()
{
    m_undo.withdraw();
    m_question.close();
}

void UndoControl::requestConfirmation()
{
    if (!canUndo() || m_state.isAsking())
        return;
    // Empty lists after a failed reload would make every job look gone.
    if (m_undo.waitsForLists())
        return m_state.write(m_state.statusText, ModelTexts::undoWaitsForLists());
    // The report that offered it gives way to the question.
    if (m_state.notices.current() && m_state.notices.current()->offersUndo)
        m_state.notices.dismiss();
    const UndoPlan plan = m_undo.plan(m_state.selection.jobs());
    if (plan.returns.isEmpty()) {
        withdraw();
        m_state.notices.show(ModelTexts::nothingToUndoNotice(plan));
    } else {
        m_undo.ask(UndoConfirmation::compose(plan, m_state.selection.printers(), m_state.schedulerText));
        m_question.open(m_undo.confirmation());
    }
    m_state.written();
}

QFuture<void> UndoControl::undoLastMove()
{
    if (!canUndo() || m_undo.waitsForLists())
        return QtFuture::makeReadyFuture();
    // Exactly what the question listed, whatever a reload changed meanwhile.
    const UndoPlan plan = m_question.isOpen() ? m_undo.takePlan() : m_undo.plan(m_state.selection.jobs());
    withdraw();
    if (plan.returns.isEmpty()) {
        m_state.show(ModelTexts::nothingToUndoNotice(plan));
        return QtFuture::makeReadyFuture();
    }
    const CUPSService service = m_state.service;
    const QList<Printer> knownQueues = m_state.selection.printers();
    return m_work.start(WorkTask {
        .kind = WorkTask::Kind::Moving,
        .jobCount = plan.returns.size(),
        .progressText = &ModelTexts::moveProgress,
        .handOver =
            [service, plan, knownQueues](JobByJob::Progress progress, const QList<Printer> &listedSince) {
                return UndoWorkflow::run(service, plan, knownQueues + listedSince, progress).then(&verdictsOf);
            },
        .failedUnexpectedly = [plan] { return verdictsOf(UndoWorkflow::allFailed(plan, WorkflowError::unexpected())); },
        .checksStates = false,
    });
}
