// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "Capability.h"
#include "ConfirmationCache.h"
#include "Question.h"

#include <QFuture>
#include <QObject>
#include <QtQml/qqmlregistration.h>

class CountedWork;
class ReloadControl;
class UndoControl;

// Moving the selected jobs to the chosen destination: whether it can be
// asked for, the question that lists exactly what will move (the lists wait
// while it is open), and the move itself, checked against its closing
// reload and offered to be taken back.
class MoveControl : public Capability
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Reached through the window model.")

    // Also during a reload: the move then follows it.
    Q_PROPERTY(bool canRequest READ canRequest NOTIFY canRequestChanged FINAL)
    Q_PROPERTY(Question *question READ question CONSTANT FINAL)

public:
    MoveControl(WindowState &state, ReloadControl &reload, CountedWork &work, UndoControl &undo, QObject *parent);

    bool canRequest() const;
    Question *question() { return &m_question; }
    const Question *question() const { return &m_question; }
    // What the question lists for the selection as it stands.
    const MoveConfirmation &confirmation() const;

    Q_INVOKABLE void requestConfirmation();
    // Moves exactly the jobs the open question lists (the selection, which
    // the held lists leave as it is). Completes after the closing reload.
    Q_INVOKABLE QFuture<void> moveSelectedJobs();

Q_SIGNALS:
    void canRequestChanged();

private:
    // Closes the question; what a reload found meanwhile is shown now.
    void closeQuestion();

    ReloadControl &m_reload;
    CountedWork &m_work;
    UndoControl &m_undo;
    ConfirmationCache m_confirmation;
    Question m_question;
};
