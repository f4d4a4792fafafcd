// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "UndoPlan.h"

#include <Printer.h>

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

// What the user confirms before a move is taken back, in the parts the other
// confirmations have, for the same dialog that scrolls the job lines alone;
// all empty while no undo is asked about.
struct UndoConfirmation
{
    Q_GADGET
    QML_VALUE_TYPE(undoConfirmation)
    Q_PROPERTY(QString headline MEMBER headline FINAL)
    Q_PROPERTY(QStringList lines MEMBER lines FINAL)
    Q_PROPERTY(QStringList notes MEMBER notes FINAL)

public:
    // "2 Druckaufträge werden zurückverschoben:"
    QString headline;
    // "• Ziel-7 → Farbe": each job as it stands now, and where it goes.
    QStringList lines;
    // The scheduler when it is another machine's, the jobs left out, then
    // what the queues' and jobs' states mean for the return, as for a move.
    QStringList notes;
    // Exactly what a confirmed undo does.
    UndoPlan plan;

    // `queues` as the last reload described them, for their states.
    static UndoConfirmation compose(const UndoPlan &plan, const QList<Printer> &queues, const QString &schedulerText);

    // The whole confirmation in one text, as a screen reader hears it.
    QString text() const;

    bool operator==(const UndoConfirmation &) const = default;
};
