// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "ModelTexts.h"

#include <QStringList>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace ModelTexts {

QString readyStatus()
{
    return u"Bereit zum Laden der CUPS-Aufträge."_s;
}

QString loadedStatus(qsizetype jobCount, qsizetype printerCount)
{
    if (jobCount == 0)
        return u"Keine wartenden Druckaufträge gefunden."_s;
    return QString::number(jobCount) + u" Auftrag bzw. Aufträge und "_s + QString::number(printerCount)
        + u" Drucker geladen."_s;
}

QString loadFailedStatus()
{
    return u"CUPS-Daten konnten nicht geladen werden."_s;
}

QString loadFailedTitle()
{
    return u"CUPS nicht verfügbar"_s;
}

QString confirmationHeadline(qsizetype jobCount)
{
    const QString count = jobCount == 1 ? u"1 Druckauftrag"_s : QString::number(jobCount) + u" Druckaufträge"_s;
    return count + u" werden verschoben:"_s;
}

QStringList confirmationLines(const QList<PrintJob> &jobs)
{
    QStringList lines;
    lines.reserve(jobs.size());
    for (const PrintJob &job : jobs)
        lines.append(u"• "_s + job.displayIdentifier() + u"  ("_s + job.sourcePrinterName + u')');
    return lines;
}

QString confirmationDestination(const QString &destinationName)
{
    return u"Nach: "_s + destinationName;
}

QString confirmationWarning()
{
    return u"Papierformat und Treiberoptionen können am Zieldrucker abweichen."_s;
}

QString confirmation(const QList<PrintJob> &jobs, const QString &destinationName)
{
    return confirmationHeadline(jobs.size()) + u"\n\n"_s + confirmationLines(jobs).join(u'\n') + u"\n\n"_s
        + confirmationDestination(destinationName) + u"\n\n"_s + confirmationWarning();
}

QString moveProgress(qsizetype done, qsizetype total)
{
    return u"Verschiebe "_s + QString::number(done) + u" von "_s + QString::number(total) + u" …"_s;
}

AppNotice moveNotice(const MoveOutcome &outcome)
{
    const qsizetype moved = outcome.moved.size();
    if (outcome.failures.isEmpty()) {
        const QString title = moved == 1 ? u"Auftrag verschoben"_s : QString::number(moved) + u" Aufträge verschoben"_s;
        return AppNotice::make(title,
                               u"Alle ausgewählten Aufträge wurden an "_s + outcome.destination.name
                                   + u" übergeben. Die Listen werden aktualisiert."_s);
    }
    const QString lead = moved == 0 ? u"Kein Auftrag konnte übergeben werden."_s
                                    : QString::number(moved) + u" Auftrag bzw. Aufträge wurden übergeben."_s;
    // The first three failures, each with its own error.
    QStringList lines;
    for (const auto &[job, error] : outcome.failures.first(std::min<qsizetype>(3, outcome.failures.size())))
        lines.append(u"• "_s + job.displayIdentifier() + u": "_s + error.description());
    return AppNotice::make(u"Nicht alle Aufträge konnten verschoben werden"_s,
                           lead + u"\n\nNicht verschoben:\n"_s + lines.join(u'\n')
                               + u"\n\nDie Listen werden aktualisiert."_s);
}

QString moveStatus(const MoveOutcome &outcome)
{
    const QString moved = QString::number(outcome.moved.size());
    if (outcome.failures.isEmpty())
        return moved + u" Auftrag bzw. Aufträge wurden an CUPS übergeben."_s;
    return moved + u" von "_s + QString::number(outcome.selectedCount) + u" Auftrag bzw. Aufträgen wurden übergeben."_s;
}

QString stillInSourceQueue(const QString &queue)
{
    return u"CUPS meldete Erfolg, aber der Auftrag steht weiterhin in „"_s + queue + u"“."_s;
}

QString landedElsewhere(const QString &queue, const QString &destinationName)
{
    return u"CUPS meldete Erfolg, aber der Auftrag steht jetzt in „"_s + queue + u"“ statt in „"_s + destinationName
        + u"“."_s;
}

QString untitledJob()
{
    return u"Druckauftrag"_s;
}

QString unexpectedFailure()
{
    return u"Der Vorgang konnte nicht abgeschlossen werden."_s;
}

QString selectionNote(qsizetype selectedCount, qsizetype hiddenCount)
{
    if (selectedCount == 0)
        return {};
    const QString selected = QString::number(selectedCount) + u" ausgewählt"_s;
    if (hiddenCount == 0)
        return selected;
    return selected + u", "_s + QString::number(hiddenCount) + u" davon ausgeblendet"_s;
}

QString allSourceQueues()
{
    return u"Alle Warteschlangen"_s;
}

QString sourceQueueChoice(const QString &queue, qsizetype jobCount)
{
    return queue + u" ("_s + QString::number(jobCount) + u')';
}

} // namespace ModelTexts
