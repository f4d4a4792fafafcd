// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "ModelTexts.h"

#include "DisplayText.h"

#include <ServiceTexts.h>

#include <QDateTime>
#include <QLocale>
#include <QStringList>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// CUPS's own messages for a queue stopped or rejecting without a reason only
// restate the state, in English.
bool restatesQueueState(const QString &message)
{
    return message.compare(u"Paused"_s, Qt::CaseInsensitive) == 0
        || message.compare(u"Rejecting Jobs"_s, Qt::CaseInsensitive) == 0;
}

// " – Papierstau": the administrator's reason for a queue's state, or nothing.
QString queueStateReason(const Printer &queue)
{
    const QString message = DisplayText::cleaned(queue.stateMessage).trimmed();
    if (message.isEmpty() || restatesQueueState(message))
        return {};
    return u" – "_s + DisplayText::field(DisplayText::shortened(message));
}

// A move lpmove reported as done, and what the listing after it shows instead.
QString reportedMovedBut(const QString &finding)
{
    return u"CUPS meldete Erfolg, aber "_s + finding;
}

} // namespace

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
    return ServiceTexts::counted(jobCount, u"%1 Druckauftrag", u"%1 Druckaufträge") + u" werden verschoben:"_s;
}

QStringList confirmationLines(const QList<PrintJob> &jobs)
{
    QStringList lines;
    lines.reserve(jobs.size());
    for (const PrintJob &job : jobs)
        lines.append(u"• "_s + displayIdentifier(job) + u"  ("_s + DisplayText::field(job.sourcePrinterName) + u')');
    return lines;
}

QString confirmationDestination(const QString &destinationName, const QString &location)
{
    const QString where = DisplayText::cleaned(location).trimmed();
    return u"Nach: "_s + DisplayText::field(destinationName)
        + (where.isEmpty() ? QString() : u" ("_s + DisplayText::field(where) + u')');
}

QString confirmationWarning()
{
    return u"Papierformat und Treiberoptionen können am Zieldrucker abweichen."_s;
}

QString schedulerLine(const SchedulerAddress &address)
{
    return address.isLocal() ? QString() : u"Server: "_s + DisplayText::field(address.displayText());
}

QStringList confirmationStateWarnings(const QList<PrintJob> &jobs, const Printer &destination)
{
    QStringList warnings;
    if (destination.stopped || !destination.acceptingJobs) {
        const QString state = destination.stopped && !destination.acceptingJobs
            ? u"ist gestoppt und nimmt keine Aufträge an"_s
            : destination.stopped ? u"ist gestoppt"_s
                                  : u"nimmt keine Aufträge an"_s;
        // A rejecting queue still prints what it holds; only a stopped one keeps it waiting.
        const QString consequence = destination.stopped
            ? u"CUPS verschiebt die Aufträge trotzdem dorthin; sie warten dort, bis die Warteschlange wieder gestartet"
              u" wird."_s
            : u"CUPS verschiebt die Aufträge trotzdem dorthin."_s;
        warnings.append(u"„"_s + DisplayText::field(destination.name) + u"“ "_s + state + queueStateReason(destination)
                        + u". "_s + consequence);
    }
    QStringList printing;
    for (const PrintJob &job : jobs) {
        if (job.state == PrintJob::State::Processing)
            printing.append(displayIdentifier(job));
    }
    if (!printing.isEmpty()) {
        warnings.append(printing.join(u", "_s)
                        + ServiceTexts::counted(printing.size(),
                                                u" wird gerade gedruckt. CUPS beginnt ihn am Ziel von vorn; ein Teil"
                                                u" kann bereits gedruckt sein.",
                                                u" werden gerade gedruckt. CUPS beginnt sie am Ziel von vorn; ein Teil"
                                                u" kann bereits gedruckt sein."));
    }
    return warnings;
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

QStringList firstFailures(const QList<std::pair<PrintJob, WorkflowError>> &failures)
{
    QStringList lines;
    for (const auto &[job, error] : failures.first(std::min<qsizetype>(3, failures.size())))
        lines.append(u"• "_s + displayIdentifier(job) + u": "_s + error.description());
    return lines;
}

AppNotice moveNotice(const MoveOutcome &outcome)
{
    const qsizetype moved = outcome.moved.size();
    if (outcome.failures.isEmpty()) {
        const QString title = ServiceTexts::counted(moved, u"Auftrag verschoben", u"%1 Aufträge verschoben");
        return AppNotice::make(title,
                               u"Alle ausgewählten Aufträge wurden an "_s + DisplayText::field(outcome.destination.name)
                                   + u" übergeben. Die Listen werden aktualisiert."_s);
    }
    const QString lead = moved == 0 ? u"Kein Auftrag konnte übergeben werden."_s
                                    : QString::number(moved) + u" Auftrag bzw. Aufträge wurden übergeben."_s;
    return AppNotice::make(u"Nicht alle Aufträge konnten verschoben werden"_s,
                           lead + u"\n\nNicht verschoben:\n"_s + firstFailures(outcome.failures).join(u'\n')
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
    return reportedMovedBut(u"der Auftrag steht weiterhin in „"_s + DisplayText::field(queue) + u"“."_s);
}

QString landedElsewhere(const QString &queue, const QString &destinationName)
{
    return reportedMovedBut(u"der Auftrag steht jetzt in „"_s + DisplayText::field(queue) + u"“ statt in „"_s
                            + DisplayText::field(destinationName) + u"“."_s);
}

QString destinationVanished(const QString &destinationName)
{
    return reportedMovedBut(u"die Warteschlange „"_s + DisplayText::field(destinationName)
                            + u"“ ist nicht mehr vorhanden; CUPS bricht die Aufträge einer gelöschten Warteschlange"
                              u" ab."_s);
}

QString moveNotChecked()
{
    return u"Ob die Aufträge angekommen sind, ließ sich nicht prüfen: Die Listen konnten danach nicht geladen werden."_s;
}

QString queueStateText(const Printer &queue)
{
    QStringList states;
    if (queue.stopped)
        states.append(u"gestoppt"_s);
    if (!queue.acceptingJobs)
        states.append(u"nimmt keine Aufträge an"_s);
    if (states.isEmpty())
        return {};
    return states.join(u", "_s) + queueStateReason(queue);
}

QString destinationFacts(const Printer &queue, qsizetype waitingJobs)
{
    QStringList facts;
    const QString location = DisplayText::cleaned(queue.location).trimmed();
    if (!location.isEmpty())
        facts.append(DisplayText::field(location));
    // CUPS gives a queue made without a description its name as one.
    const QString info = DisplayText::cleaned(queue.info).trimmed();
    if (!info.isEmpty() && QueueName(info) != queue.queueName())
        facts.append(DisplayText::field(info));
    if (waitingJobs > 0)
        facts.append(QString::number(waitingJobs) + u" wartend"_s);
    return facts.join(u" · "_s);
}

QString unexpectedFailure()
{
    return u"Der Vorgang konnte nicht abgeschlossen werden."_s;
}

QString notTriedAfterSilence()
{
    return u"Nicht versucht: Der CUPS-Dienst hat zuvor nicht geantwortet."_s;
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
    return DisplayText::field(queue) + u" ("_s + QString::number(jobCount) + u')';
}

// The view's fixed texts, in the header's order.
} // namespace ModelTexts
