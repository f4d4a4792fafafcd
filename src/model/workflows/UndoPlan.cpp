// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "UndoPlan.h"

#include "ModelTexts.h"

#include <QueueName.h>

#include <QHash>

UndoPlan UndoPlan::stillListed(const QList<PrintJob> &listed) const
{
    // CUPS keeps a job's number when it moves it: the number finds the job,
    // whatever the listing calls it.
    QHash<QString, const PrintJob *> byNumber;
    byNumber.reserve(listed.size());
    for (const PrintJob &job : listed)
        byNumber.insert(job.jobIdentifier().numberKey(), &job);

    UndoPlan narrowed {destination, {}, leftOut};
    for (const Return &back : returns) {
        const PrintJob *now = byNumber.value(back.job.jobIdentifier().numberKey());
        if (now && now->sourceQueue() == QueueName(destination))
            narrowed.returns.append({*now, back.sourceQueue});
        else
            narrowed.leftOut.append(leftOutName(destination, back.job));
    }
    return narrowed;
}

QString UndoPlan::leftOutName(const QString &destination, const PrintJob &job)
{
    return ModelTexts::displayIdentifier(
        PrintJob {destination + u'-' + job.jobIdentifier().numberText().toString(), destination, {}, {}});
}
