// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "CancelConfirmation.h"

#include "ModelTexts.h"

using namespace Qt::StringLiterals;

CancelConfirmation CancelConfirmation::compose(const QList<PrintJob> &jobs, const QString &schedulerText)
{
    CancelConfirmation confirmation {
        .headline = ModelTexts::cancelConfirmationHeadline(jobs.size()),
        .lines = ModelTexts::cancelConfirmationLines(jobs),
        .notes = {},
        .jobs = jobs,
    };
    if (!schedulerText.isEmpty())
        confirmation.notes.append(schedulerText);
    confirmation.notes.append(ModelTexts::cancelConfirmationWarning());
    return confirmation;
}

QString CancelConfirmation::text() const
{
    if (headline.isEmpty())
        return {};
    return (QStringList {headline, lines.join(u'\n')} + notes).join(u"\n\n"_s);
}
