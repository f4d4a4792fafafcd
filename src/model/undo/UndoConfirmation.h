// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "ListedConfirmation.h"
#include "UndoPlan.h"

#include <Printer.h>

#include <QList>

// What the user confirms before a move is taken back: "• Ziel-7 → Farbe" per
// job, as it stands now and where it goes; then the jobs left out and what
// the queues' and jobs' states mean for the return, as for a move.
struct UndoConfirmation : ListedConfirmation
{
    // Exactly what a confirmed undo does.
    UndoPlan plan;

    // `queues` as the last reload described them, for their states.
    static UndoConfirmation compose(const UndoPlan &plan, const QList<Printer> &queues, const QString &schedulerText);

    bool operator==(const UndoConfirmation &) const = default;
};
