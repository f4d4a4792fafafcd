// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "ReloadControl.h"

#include "DisplayText.h"
#include "ModelTexts.h"
#include "ReloadWorkflow.h"
#include "WhenFinished.h"
#include "WindowState.h"

#include <QPointer>

ReloadControl::ReloadControl(WindowState &state, QObject *parent)
    : Capability(state, parent)
{
    watch();
}

bool ReloadControl::isLoading() const
{
    return m_state.loading;
}

bool ReloadControl::isBusy() const
{
    return m_state.busy();
}

QString ReloadControl::lpmovePathText() const
{
    return DisplayText::field(m_lpmovePath.value_or(QString()));
}

// Each step reaches the window only through a QPointer, so a window closed
// mid-way leaves nothing dangling, and the future always finishes.
QFuture<void> ReloadControl::refresh()
{
    if (m_state.busy())
        return QtFuture::makeReadyFuture();
    auto done = std::make_shared<QPromise<void>>();
    done->start();
    start([done](ReloadControl *reload, const ReloadOutcome &listed, quint64 number) {
        if (!reload)
            return done->finish();
        reload->reloaded(listed, number);
        reload->followWithDetails(listed, number, done);
    });
    return done->future();
}

void ReloadControl::start(const Listed &then)
{
    m_state.write(m_state.loading, true);
    const quint64 number = m_ledger.start();
    whenFinished(ReloadWorkflow::run(m_state.service, this),
                 [reload = QPointer(this), then, number](const std::optional<ReloadOutcome> &outcome) {
                     then(reload, outcome.value_or(ReloadOutcome::failed(WorkflowError::unexpected())), number);
                 });
}

void ReloadControl::reloaded(const ReloadOutcome &outcome, quint64 number)
{
    if (m_state.listsHeld) {
        m_ledger.hold(outcome, number);
        m_state.write(m_state.loading, false);
        return;
    }
    apply(outcome);
    m_ledger.shown(number);
    Q_EMIT listsShown();
}

void ReloadControl::followWithDetails(const ReloadOutcome &listed, quint64 number,
                                      const std::shared_ptr<QPromise<void>> &done, const Described &then)
{
    // The lists are shown and the window is idle meanwhile: a stuck scheduler
    // holds up neither a move nor another reload.
    m_ledger.detailsAsked();
    whenFinished(ReloadWorkflow::addDetails(m_state.service, listed),
                 [reload = QPointer(this), done, number, listed, then](const std::optional<ReloadOutcome> &detailed) {
                     const bool described = detailed && !detailed->error;
                     if (reload) {
                         reload->m_ledger.detailsEnded();
                         // The same jobs and queues as shown, so every row
                         // and the selection stay.
                         if (described) {
                             if (const std::optional<ReloadOutcome> due
                                 = reload->m_ledger.detailsArrived(*detailed, number, reload->m_state.listsHeld))
                                 reload->m_state.setLists(due->jobs, due->printers);
                         }
                         if (then)
                             then(described ? *detailed : listed);
                     }
                     if (done)
                         done->finish();
                 });
}

void ReloadControl::showHeld()
{
    if (const std::optional<ReloadOutcome> held = m_ledger.takeHeldReload())
        apply(*held);
    // Details of the lists shown: only the lists change, not the busy flags
    // of a reload that may be running.
    if (const std::optional<ReloadOutcome> detailed = m_ledger.takeHeldDetails())
        m_state.setLists(detailed->jobs, detailed->printers);
}

void ReloadControl::apply(const ReloadOutcome &outcome)
{
    Q_EMIT loaded(!outcome.error);
    JobSelection &selection = m_state.selection;
    if (outcome.error) {
        // Nothing stale may be offered for a move.
        m_state.setLists({}, {});
        selection.setSelectedKeys({});
        m_state.written();
        selection.setDestinationID(std::nullopt);
        m_state.written();
        m_state.write(m_state.statusText, ModelTexts::loadFailedStatus());
        m_state.notices.reloadFailed(AppNotice::fromError(ModelTexts::loadFailedTitle(), *outcome.error));
        m_state.written();
    } else {
        m_state.notices.reloadSucceeded();
        m_state.setLists(outcome.jobs, outcome.printers);
        m_state.write(m_lpmovePath, outcome.lpmovePath);
        selection.retainListed([this] { m_state.written(); });
        m_state.write(m_state.statusText, ModelTexts::loadedStatus(outcome.jobs.size(), outcome.printers.size()));
    }
    m_state.write(m_state.loading, false);
}
