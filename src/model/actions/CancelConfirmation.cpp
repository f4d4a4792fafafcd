// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "CancelConfirmation.h"

#include "ModelTexts.h"

CancelConfirmation CancelConfirmation::compose(const QList<PrintJob> &jobs, const QString &schedulerText)
{
    CancelConfirmation confirmation;
    confirmation.headline = ModelTexts::cancelConfirmationHeadline(jobs.size());
    confirmation.lines = ModelTexts::cancelConfirmationLines(jobs);
    if (!schedulerText.isEmpty())
        confirmation.notes.append(schedulerText);
    confirmation.notes.append(ModelTexts::cancelConfirmationWarning());
    confirmation.jobs = jobs;
    return confirmation;
}
