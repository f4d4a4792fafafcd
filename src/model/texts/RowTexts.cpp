// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
// The texts of ModelTexts that a job row shows.
#include "ModelTexts.h"

#include "DisplayText.h"

#include <ServiceTexts.h>

#include <QDateTime>
#include <QLocale>
#include <QStringList>
#include <QTextBoundaryFinder>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The job state reasons a user can act on, in German; the scheduler's other
// keywords (job-queued, job-printing, …) only restate the state.
QString readableJobStateReason(const QStringList &reasons)
{
    static const QHash<QString, QString> readable {
        {u"job-hold-until-specified"_s, u"bis auf Weiteres"_s},
        {u"job-held-for-review"_s, u"zur Prüfung"_s},
        {u"job-held-on-create"_s, u"beim Einreichen"_s},
        {u"job-incoming"_s, u"wird noch empfangen"_s},
        {u"job-data-insufficient"_s, u"Daten unvollständig"_s},
        {u"printer-stopped"_s, u"Drucker gestoppt"_s},
        {u"printer-stopped-partly"_s, u"Drucker teilweise gestoppt"_s},
        {u"resources-are-not-ready"_s, u"Material fehlt"_s},
        {u"cups-held-for-authentication"_s, u"wartet auf Anmeldung"_s},
        {u"job-password-wait"_s, u"wartet auf ein Kennwort"_s},
        {u"account-authorization-failed"_s, u"Berechtigung fehlt"_s},
    };
    for (const QString &reason : reasons) {
        if (const auto found = readable.constFind(reason); found != readable.cend())
            return *found;
    }
    return {};
}

QString kilobytesText(qint64 kilobytes)
{
    if (kilobytes < 1024)
        return QString::number(std::max<qint64>(kilobytes, 1)) + u" KB"_s;
    const QLocale german(QLocale::German, QLocale::Germany);
    if (kilobytes < 1024 * 1024)
        return german.toString(double(kilobytes) / 1024.0, 'f', 1) + u" MB"_s;
    return german.toString(double(kilobytes) / (1024.0 * 1024.0), 'f', 1) + u" GB"_s;
}

} // namespace

namespace ModelTexts {

QString untitledJob()
{
    return u"Druckauftrag"_s;
}

QString jobTitle(const PrintJob &job)
{
    const QString title = job.title ? DisplayText::field(*job.title) : QString();
    return title.trimmed().isEmpty() ? untitledJob() : title;
}

QString displayIdentifier(const PrintJob &job)
{
    // As PrintJob::displayIdentifier(), with the queue's name a field of its
    // own: a right-to-left name must not pull the job number to its far side.
    const JobIdentifier identifier = job.jobIdentifier();
    if (identifier.listedQueue().isEmpty() || job.sourcePrinterName.isEmpty())
        return DisplayText::field(identifier.listed());
    return DisplayText::field(job.sourcePrinterName) + DisplayText::field(u'-' + identifier.numberText().toString());
}

QString jobAccessibleDescription(const PrintJob &job)
{
    return ServiceTexts::jobAccessibleDescription(job, displayIdentifier(job), &DisplayText::field);
}

QString jobStateText(const PrintJob &job)
{
    if (!job.state)
        return {};
    const QString word = PrintJob::stateWord(*job.state);
    const QString reason = readableJobStateReason(job.stateReasons);
    return reason.isEmpty() ? word : word + u" · "_s + reason;
}

QString jobFacts(const PrintJob &job, const QDate &today)
{
    QStringList facts;
    if (job.owner && !job.owner->isEmpty())
        facts.append(u"Von "_s + DisplayText::field(*job.owner));
    if (job.submittedAt && job.submittedAt->isValid()) {
        const QDateTime local = job.submittedAt->toLocalTime();
        const QString time = local.toString(u"HH:mm"_s);
        if (local.date() == today)
            facts.append(u"heute, "_s + time);
        else if (local.date() == today.addDays(-1))
            facts.append(u"gestern, "_s + time);
        else
            facts.append(local.toString(u"dd.MM.yyyy, "_s) + time);
    }
    if (job.sizeKilobytes && *job.sizeKilobytes >= 0)
        facts.append(kilobytesText(*job.sizeKilobytes));
    return facts.join(u" · "_s);
}

} // namespace ModelTexts
