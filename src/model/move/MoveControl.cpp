// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "MoveControl.h"

#include "CountedWork.h"
#include "ModelTexts.h"
#include "MoveVerification.h"
#include "MoveWorkflow.h"
#include "ReloadControl.h"
#include "UndoControl.h"
#include "WindowState.h"

#include <QPointer>

MoveControl::MoveControl(WindowState &state, ReloadControl &reload, CountedWork &work, UndoControl &undo,
                         QObject *parent)
    : Capability(state, parent)
    , m_reload(reload)
    , m_work(work)
    , m_undo(undo)
    , m_confirmation(state.schedulerText)
    , m_question([this] { moveSelectedJobs(); }, [this] { closeQuestion(); }, this)
{
    watch([this](JobSelection::Changes changes) { m_confirmation.update(m_state.selection, changes); });
    m_state.addQuestion(&m_question);
}

bool MoveControl::canRequest() const
{
    return !m_state.working && m_state.selection.canMove();
}

const MoveConfirmation &MoveControl::confirmation() const
{
    return m_confirmation.read(m_state.selection);
}

void MoveControl::requestConfirmation()
{
    if (!canRequest() || m_state.isAsking())
        return;
    m_state.listsHeld = true;
    m_question.open(confirmation());
    m_state.written();
}

void MoveControl::closeQuestion()
{
    m_question.close();
    m_state.write(m_state.listsHeld, false);
    m_reload.showHeld();
}

QFuture<void> MoveControl::moveSelectedJobs()
{
    const QList<PrintJob> jobs = m_state.selection.selectedJobs();
    const std::optional<Printer> destination = m_state.selection.destination();
    if (jobs.isEmpty() || !destination || m_state.working)
        return QtFuture::makeReadyFuture();
    // Exactly what the question listed, whatever a held reload now trims.
    closeQuestion();
    const CUPSService service = m_state.service;
    const QList<Printer> knownQueues = m_state.selection.printers();
    // The verdict offers to take the move back: the undo outlives no window.
    const auto verdictsOf = [undo = QPointer(&m_undo), jobs](const MoveOutcome &outcome) {
        return WorkVerdicts {{ModelTexts::moveNotice(outcome), ModelTexts::moveStatus(outcome)},
                             ModelTexts::moveNotChecked(),
                             [undo, outcome, jobs](const ReloadOutcome &closing) {
                                 const MoveOutcome verified
                                     = MoveVerification::verified(outcome, jobs, closing.jobs, closing.printers);
                                 WorkReport report {ModelTexts::moveNotice(verified), ModelTexts::moveStatus(verified)};
                                 if (undo) {
                                     undo->offer(verified);
                                     report.notice.offersUndo = undo->isOffered();
                                 }
                                 return report;
                             }};
    };
    return m_work.start(WorkTask {
        .kind = WorkTask::Kind::Moving,
        .jobCount = jobs.size(),
        .progressText = &ModelTexts::moveProgress,
        .handOver =
            [service, jobs, destination = *destination, knownQueues, verdictsOf](JobByJob::Progress progress,
                                                                                 const QList<Printer> &listedSince) {
                return MoveWorkflow::run(service, jobs, destination, knownQueues + listedSince, progress)
                    .then(verdictsOf);
            },
        .failedUnexpectedly =
            [verdictsOf, jobs, destination = *destination] {
                return verdictsOf(MoveOutcome::allFailed(jobs, destination, WorkflowError::unexpected()));
            },
        .checksStates = false,
    });
}
