// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
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

// CUPS's own messages for a queue stopped or rejecting without a reason only
// restate the state, in English.
bool restatesQueueState(const QString &message)
{
    return message.compare(u"Paused"_s, Qt::CaseInsensitive) == 0
        || message.compare(u"Rejecting Jobs"_s, Qt::CaseInsensitive) == 0;
}

// The longest administrator's message shown, in characters: enough for any
// reason worth giving, and short enough that the confirmation's warning
// leaves its buttons in view.
constexpr qsizetype longestStateMessage = 160;

// `text` cut after `limit` characters (grapheme clusters), with "…" when cut.
QString shortened(const QString &text, qsizetype limit)
{
    if (text.size() <= limit)
        return text;
    QTextBoundaryFinder clusters(QTextBoundaryFinder::Grapheme, text);
    qsizetype end = 0;
    for (qsizetype count = 0; count < limit && clusters.toNextBoundary() >= 0; ++count)
        end = clusters.position();
    return end >= text.size() ? text : text.first(end).trimmed() + u'…';
}

// " – Papierstau": the administrator's reason for a queue's state, or nothing.
QString queueStateReason(const Printer &queue)
{
    const QString message = DisplayText::cleaned(queue.stateMessage).trimmed();
    if (message.isEmpty() || restatesQueueState(message))
        return {};
    return u" – "_s + DisplayText::field(shortened(message, longestStateMessage));
}

// A move lpmove reported as done, and what the listing after it shows instead.
QString reportedMovedBut(const QString &finding)
{
    return u"CUPS meldete Erfolg, aber "_s + finding;
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

QString confirmationDestination(const QString &destinationName)
{
    return u"Nach: "_s + DisplayText::field(destinationName);
}

QString confirmationWarning()
{
    return u"Papierformat und Treiberoptionen können am Zieldrucker abweichen."_s;
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
    // The first three failures, each with its own error.
    QStringList lines;
    for (const auto &[job, error] : outcome.failures.first(std::min<qsizetype>(3, outcome.failures.size())))
        lines.append(u"• "_s + displayIdentifier(job) + u": "_s + error.description());
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
    return DisplayText::field(queue) + u" ("_s + QString::number(jobCount) + u')';
}

// The view's fixed texts, in the header's order.
const QString programName = u"Parvento"_s;
const QString aboutMenuItem = u"Über "_s + programName;
const QString purposeMenuItem = u"Lokale CUPS-Aufträge verschieben"_s;
const QString quit = u"Beenden"_s;
const QString headerSubtitle = u"Mehrere Aufträge auswählen, Zielnamen prüfen und gemeinsam an CUPS übergeben."_s;
const QString loading = u"Lade CUPS …"_s;
const QString reload = u"Aktualisieren"_s;
const QString okButton = u"OK"_s;

const QString jobPaneTitle = u"Aufträge auswählen"_s;
const QString jobPaneSubtitle = u"Mehrfachauswahl möglich"_s;
const QString noMatchingJobsTitle = u"Kein Auftrag passt zum Filter"_s;
const QString noMatchingJobsHint = u"Ändern Sie den Suchtext oder wählen Sie „"_s + allSourceQueues() + u"“."_s;
const QString noWaitingJobsTitle = u"Keine wartenden Aufträge"_s;
const QString noWaitingJobsHint = u"Sobald CUPS einen Auftrag meldet, erscheint er hier."_s;
const QString jobFilterName = u"Aufträge filtern"_s;
const QString sourceQueueChooserName = u"Quellwarteschlange"_s;
const QString selectShownJobs = u"Alle sichtbaren auswählen"_s;
const QString clearSelection = u"Auswahl aufheben"_s;
const QString selectJobDescription = u"Fügt diesen Auftrag zur Auswahl hinzu"_s;
const QString deselectJobDescription = u"Hebt die Auswahl dieses Auftrags auf"_s;

const QString destinationPaneTitle = u"Zieldrucker auswählen"_s;
const QString destinationPaneSubtitle = u"Name deutlich prüfen, dann verschieben"_s;
const QString noDestinationsTitle = u"Keine Zieldrucker verfügbar"_s;
const QString noDestinationsWithoutJobsHint = u"Wählen Sie zuerst mindestens einen Auftrag."_s;
const QString onlySourceQueuesHint = u"Die Quellgeräte der Auswahl sind die einzigen bekannten Drucker."_s;
const QString chooseDestination = u"Als Ziel auswählen"_s;
const QString chooseDestinationDescription = u"Wählt diesen Drucker als Ziel"_s;
const QString chosenDestination = u"Als Ziel ausgewählt"_s;

const QString transferIdleTitle = u"Bereit zum Verschieben"_s;
const QString transferIdleHint
    = u"Wählen Sie links einen oder mehrere Aufträge und rechts den gut lesbaren Namen des Zieldruckers."_s;
const QString sourceQueuesCaption = u"QUELLDRUCKER"_s;
const QString destinationCaption = u"ZIELDRUCKER"_s;
const QString movesTo = u"wird verschoben nach"_s;

const QString readyToMove = u"Bereit zur Sammelübergabe"_s;
const QString selectionIncomplete = u"Auswahl vervollständigen"_s;
const QString moveRequirement = u"Mindestens ein Auftrag und ein davon verschiedener Zieldrucker werden benötigt."_s;
const QString moveButton = u"Auswahl verschieben"_s;
const QString movingButton = u"Verschiebe …"_s;

const QString confirmationTitle = u"Ausgewählte Aufträge verschieben?"_s;
const QString confirmMove = u"Verschieben"_s;
const QString cancelButton = u"Abbrechen"_s;

QString aboutMessage(const QString &version)
{
    const QString purpose = u"Listet die wartenden Druckaufträge der lokalen CUPS-Warteschlangen und verschiebt"
                            u" ausgewählte Aufträge nach Bestätigung gemeinsam in eine andere Warteschlange."_s;
    return version.isEmpty() ? purpose : u"Version "_s + version + u"\n\n"_s + purpose;
}

QString lpmoveLocation(const QString &path)
{
    return u"lpmove: "_s + path;
}

QString printerAccessibleName(const QString &name, const QString &stateText)
{
    const QString printer = u"Drucker "_s + name;
    return stateText.isEmpty() ? printer : printer + u", "_s + stateText;
}

QString selectedJobsCaption(qsizetype count)
{
    return ServiceTexts::counted(count, u"AUSGEWÄHLTER AUFTRAG", u"AUSGEWÄHLTE AUFTRÄGE");
}

QString jobCount(qsizetype count)
{
    return ServiceTexts::counted(count, u"%1 Auftrag", u"%1 Aufträge");
}

QString destinationCount(qsizetype count)
{
    return ServiceTexts::counted(count, u"%1 Zieldrucker", u"%1 Zieldrucker");
}

// These two keep the plural for every count, one included.
QString selectedJobsCount(qsizetype count)
{
    return QString::number(count) + u" Aufträge"_s;
}

QString moveHint(qsizetype selectedCount)
{
    return QString::number(selectedCount) + u" ausgewählte Aufträge werden erst nach Ihrer Bestätigung verschoben."_s;
}

QString commandLineUsage()
{
    return u"Aufruf: parvento [--server HOST[:PORT]] [--help] [--version]"_s;
}

QString commandLineHelp()
{
    return commandLineUsage()
        + u"\n\nListet die wartenden CUPS-Druckaufträge und verschiebt ausgewählte Aufträge nach Bestätigung in "
          u"eine andere Warteschlange.\n\n"
          u"Optionen:\n"
          u"  --server HOST[:PORT]  mit diesem CUPS-Server sprechen statt mit dem voreingestellten\n"
          u"                        (wie „lpstat -h“)\n"
          u"  --help                diese Hilfe zeigen\n"
          u"  --version             die Version zeigen\n\n"
          u"Dazu die üblichen Optionen von Qt-Programmen, etwa „-platform NAME“.\n"_s;
}

QString unknownOption(const QString &option)
{
    return u"Unbekannte Option „%1“."_s.arg(option);
}

QString unexpectedArgument(const QString &argument)
{
    return u"Unerwartetes Argument „%1“."_s.arg(argument);
}

QString missingServer()
{
    return u"Die Option „--server“ braucht einen Server (HOST[:PORT])."_s;
}

QString notAServer(const QString &address)
{
    return u"„%1“ ist kein Server der Form HOST[:PORT]."_s.arg(address);
}

} // namespace ModelTexts
