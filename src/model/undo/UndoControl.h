// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "Capability.h"
#include "MoveUndo.h"
#include "Question.h"

#include <QFuture>
#include <QObject>
#include <QtQml/qqmlregistration.h>

class CountedWork;
class ReloadControl;

// Taking back the last move: offered from its report until other work
// starts, and not while work runs. The jobs the move's closing reload bore
// out as moved go back to the queues they came from, found by their numbers
// in the destination as it is listed now, after a question that lists them.
class UndoControl : public Capability
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Reached through the window model.")

    Q_PROPERTY(bool canUndo READ canUndo NOTIFY canUndoChanged FINAL)
    // The offer stands, but the lists failed to load: nothing tells where the jobs are.
    Q_PROPERTY(bool waitsForLists READ waitsForLists NOTIFY waitsForListsChanged FINAL)
    Q_PROPERTY(Question *question READ question CONSTANT FINAL)

public:
    UndoControl(WindowState &state, ReloadControl &reload, CountedWork &work, QObject *parent);

    bool canUndo() const;
    bool waitsForLists() const { return m_undo.waitsForLists(); }
    bool isOffered() const { return m_undo.isOffered(); }
    Question *question() { return &m_question; }
    const Question *question() const { return &m_question; }
    const UndoConfirmation &confirmation() const { return m_undo.confirmation(); }

    // Offers to take back what `verified` bore out as moved.
    void offer(const MoveOutcome &verified);

    // Asks whether to move the last move's jobs back where they came from;
    // the report that offered it gives way. When the destination lists none
    // of them any more, says so instead and withdraws the offer.
    Q_INVOKABLE void requestConfirmation();
    // Moves back exactly the jobs the open question lists, or, with none
    // open, those the destination lists now; a move per source queue,
    // checked and reported as one.
    Q_INVOKABLE QFuture<void> undoLastMove();

Q_SIGNALS:
    void canUndoChanged();
    void waitsForListsChanged();

private:
    void withdraw();

    CountedWork &m_work;
    MoveUndo m_undo;
    Question m_question;
};
