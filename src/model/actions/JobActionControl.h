// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "Capability.h"
#include "JobActions.h"
#include "Question.h"

#include <JobAction.h>

#include <QFuture>
#include <QObject>
#include <QtQml/qqmlregistration.h>

class CountedWork;

// Holding, releasing and cancelling the selected jobs (hidden ones included),
// by their numbers through the scheduler. Hold and release act at once; a
// cancel asks first. Each is checked against the states its closing reload's
// details tell, and its report names the selected jobs it left alone.
class JobActionControl : public Capability
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Reached through the window model.")

    // Each when it applies to some selected job and no work runs (a reload
    // may: they follow it).
    Q_PROPERTY(bool canHold READ canHold NOTIFY canHoldChanged FINAL)
    Q_PROPERTY(bool canRelease READ canRelease NOTIFY canReleaseChanged FINAL)
    Q_PROPERTY(bool canCancel READ canCancel NOTIFY canCancelChanged FINAL)
    Q_PROPERTY(Question *cancelQuestion READ cancelQuestion CONSTANT FINAL)

public:
    JobActionControl(WindowState &state, CountedWork &work, QObject *parent);

    bool canHold() const { return allows(JobAction::Hold); }
    bool canRelease() const { return allows(JobAction::Release); }
    bool canCancel() const { return allows(JobAction::Cancel); }
    Question *cancelQuestion() { return &m_cancelQuestion; }
    const Question *cancelQuestion() const { return &m_cancelQuestion; }
    const CancelConfirmation &cancelConfirmation() const { return m_actions.cancelConfirmation(); }

    // Each completes after its closing reload, whose details (the jobs'
    // states) its report is checked against.
    Q_INVOKABLE QFuture<void> holdSelectedJobs();
    Q_INVOKABLE QFuture<void> releaseSelectedJobs();
    // Opening it lists the selected jobs as they are now.
    Q_INVOKABLE void requestCancelConfirmation();
    // Cancels exactly the jobs the open question lists, or, with none open,
    // every selected job.
    Q_INVOKABLE QFuture<void> cancelSelectedJobs();

Q_SIGNALS:
    void canHoldChanged();
    void canReleaseChanged();
    void canCancelChanged();

private:
    bool allows(JobAction action) const;
    // `selected` as far as `action` applies to them, after a running reload.
    QFuture<void> act(JobAction action, const QList<PrintJob> &selected);

    CountedWork &m_work;
    JobActions m_actions;
    Question m_cancelQuestion;
};
