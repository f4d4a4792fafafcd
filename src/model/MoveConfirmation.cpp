// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "MoveConfirmation.h"

#include "ModelTexts.h"

using namespace Qt::StringLiterals;

MoveConfirmation MoveConfirmation::compose(const QList<PrintJob> &jobs, const Printer &destination,
                                           const QString &schedulerText)
{
    return MoveConfirmation {
        .headline = ModelTexts::confirmationHeadline(jobs.size()),
        .lines = ModelTexts::confirmationLines(jobs),
        .destinationText = ModelTexts::confirmationDestination(destination.name, destination.location),
        .schedulerText = schedulerText,
        .warning = ModelTexts::confirmationWarning(),
        .stateWarnings = ModelTexts::confirmationStateWarnings(jobs, destination),
    };
}

QStringList MoveConfirmation::notes() const
{
    if (headline.isEmpty())
        return {};
    QStringList notes {destinationText};
    if (!schedulerText.isEmpty())
        notes.append(schedulerText);
    notes.append(warning);
    // The state warnings come below the usual confirmation, never in place of it.
    notes.append(stateWarnings);
    return notes;
}

QString MoveConfirmation::text() const
{
    if (headline.isEmpty())
        return {};
    return (QStringList {headline, lines.join(u'\n')} + notes()).join(u"\n\n"_s);
}
