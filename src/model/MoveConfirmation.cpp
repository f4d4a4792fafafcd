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

QString MoveConfirmation::text() const
{
    if (headline.isEmpty())
        return {};
    // The state warnings come below the usual confirmation, never in place of it.
    QStringList parts {headline, lines.join(u'\n'), destinationText};
    if (!schedulerText.isEmpty())
        parts.append(schedulerText);
    parts.append(warning);
    parts.append(stateWarnings);
    return parts.join(u"\n\n"_s);
}
