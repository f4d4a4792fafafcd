// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

// The parts of a question that lists jobs before something is done to them
// (moved, cancelled, moved back), as a Question shows them; all empty while
// nothing is asked about.
struct ListedConfirmation
{
    // The count: "2 Druckaufträge werden abgebrochen:"
    QString headline;
    // One bullet per job.
    QStringList lines;
    // Below the lines: the scheduler when it is another machine's, then
    // what the user should know before confirming.
    QStringList notes;

    // The whole question in one text, as a screen reader hears it.
    QString text() const;

    bool operator==(const ListedConfirmation &) const = default;
};
