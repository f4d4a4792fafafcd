// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "MoveConfirmation.h"

#include "ModelTexts.h"

MoveConfirmation MoveConfirmation::compose(const QList<PrintJob> &jobs, const Printer &destination,
                                           const QString &schedulerText)
{
    MoveConfirmation confirmation;
    confirmation.headline = ModelTexts::confirmationHeadline(jobs.size());
    confirmation.lines = ModelTexts::confirmationLines(jobs);
    confirmation.destinationText = ModelTexts::confirmationDestination(destination.name, destination.location);
    confirmation.schedulerText = schedulerText;
    confirmation.warning = ModelTexts::confirmationWarning();
    confirmation.stateWarnings = ModelTexts::confirmationStateWarnings(jobs, destination);
    confirmation.notes = QStringList {confirmation.destinationText};
    if (!schedulerText.isEmpty())
        confirmation.notes.append(schedulerText);
    confirmation.notes.append(confirmation.warning);
    confirmation.notes.append(confirmation.stateWarnings);
    return confirmation;
}
