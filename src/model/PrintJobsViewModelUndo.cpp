// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
// PrintJobsViewModel taking back the last move: the jobs its closing reload
// bore out as moved go back to the queues they came from, found by their
// numbers in the destination as it is listed now. It runs, shows its progress
// and is checked like a move.
#include "PrintJobsViewModel.h"

#include "ExitPolicy.h"
#include "ModelTexts.h"
#include "UndoWorkflow.h"
#include "WhenFinished.h"

#include <QPointer>

#include <utility>

using namespace Qt::StringLiterals;

void PrintJobsViewModel::requestUndoConfirmation()
{
    // One question at a time.
    if (!canUndoMove() || isShowingUndoConfirmation() || m_isShowingMoveConfirmation || isShowingCancelConfirmation())
        return;
    // Empty lists after a failed reload would make every job look gone.
    if (m_undo.waitsForLists())
        return write(m_statusText, ModelTexts::undoWaitsForLists());
    // The report that offered it gives way to the question.
    if (notice() && notice()->offersUndo)
        m_notices.dismiss();
    const UndoPlan plan = m_undo.plan(jobs());
    if (plan.returns.isEmpty()) {
        m_undo.withdraw();
        m_notices.show(ModelTexts::nothingToUndoNotice(plan));
    } else {
        m_undo.ask(UndoConfirmation::compose(plan, printers(), m_schedulerText));
    }
    written();
}

void PrintJobsViewModel::setShowingUndoConfirmation(bool showing)
{
    if (showing == isShowingUndoConfirmation())
        return;
    if (showing)
        return requestUndoConfirmation();
    m_undo.takePlan();
    written();
}

QFuture<void> PrintJobsViewModel::undoLastMove()
{
    if (!canUndoMove() || m_undo.waitsForLists())
        return QtFuture::makeReadyFuture();
    // Exactly what the confirmation listed, whatever a reload changed meanwhile.
    const UndoPlan plan = isShowingUndoConfirmation() ? m_undo.takePlan() : m_undo.plan(jobs());
    m_undo.withdraw();
    if (plan.returns.isEmpty()) {
        m_notices.show(ModelTexts::nothingToUndoNotice(plan));
        written();
        return QtFuture::makeReadyFuture();
    }
    PendingUndo undo {plan, printers(), startedPromise(), startedPromise()};
    countJobs(plan.returns.size());
    write(m_isMoving, true);
    ExitPolicy::trackMove(undo.handedOver->future());
    if (m_isLoading)
        m_pendingUndo = undo;
    else
        runUndo(undo);
    return undo.done->future();
}

void PrintJobsViewModel::runUndo(const PendingUndo &undo)
{
    whenFinished(UndoWorkflow::run(m_service, undo.plan, undo.knownQueues, countOff()),
                 [model = QPointer(this), undo](const std::optional<UndoOutcome> &outcome) {
                     undo.handedOver->finish();
                     if (!model)
                         return undo.done->finish();
                     model->closeUndo(outcome.value_or(UndoWorkflow::allFailed(undo.plan, WorkflowError::unexpected())),
                                      undo.done);
                 });
}

void PrintJobsViewModel::closeUndo(const UndoOutcome &outcome, const std::shared_ptr<QPromise<void>> &done)
{
    closeMoving(done, [outcome](PrintJobsViewModel *model, const ReloadOutcome &listed) {
        if (listed.error)
            return model->apply(outcome, ModelTexts::moveNotChecked());
        model->apply(UndoWorkflow::verified(outcome, listed.jobs, listed.printers));
    });
}

void PrintJobsViewModel::apply(const UndoOutcome &outcome, const QString &afterword)
{
    AppNotice report = ModelTexts::undoNotice(outcome);
    if (!afterword.isEmpty())
        report.message += u"\n\n"_s + afterword;
    m_notices.show(report);
    written();
    endMove(ModelTexts::undoStatus(outcome));
}
