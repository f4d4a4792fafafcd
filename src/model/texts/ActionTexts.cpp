// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
// The texts of ModelTexts for holding, releasing and cancelling jobs: their
// progress, their reports and the cancel confirmation. They follow the
// move's, so that every report of the window reads alike.
#include "ModelTexts.h"

#include "DisplayText.h"

#include <ServiceTexts.h>

#include <QStringList>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// "angehalten", "freigegeben", "abgebrochen": what became of a job.
QString participle(JobAction action)
{
    switch (action) {
    case JobAction::Hold:
        return u"angehalten"_s;
    case JobAction::Release:
        return u"freigegeben"_s;
    case JobAction::Cancel:
        return u"abgebrochen"_s;
    }
    return {};
}

// "Laser-4, Laser-5, Laser-6 und 2 weitere"
QString named(const QList<PrintJob> &jobs)
{
    QStringList names;
    names.reserve(jobs.size());
    for (const PrintJob &job : jobs)
        names.append(ModelTexts::displayIdentifier(job));
    return ModelTexts::namedJobs(names);
}

// One sentence per reason the action left selected jobs alone.
QStringList leftAloneLines(const JobActionOutcome &outcome)
{
    QStringList lines;
    const QString what = participle(outcome.action);
    const auto plural = [](const QList<PrintJob> &jobs) {
        return jobs.size() > 1;
    };
    if (!outcome.beingPrinted.isEmpty()) {
        const bool many = plural(outcome.beingPrinted);
        lines.append(
            named(outcome.beingPrinted)
            + (many ? u" werden gerade gedruckt und wurden nicht "_s : u" wird gerade gedruckt und wurde nicht "_s)
            + what + u'.');
    }
    if (!outcome.alreadyDone.isEmpty()) {
        const bool many = plural(outcome.alreadyDone);
        const QString state = outcome.action == JobAction::Hold ? u"bereits angehalten"_s : u"nicht angehalten"_s;
        lines.append(named(outcome.alreadyDone) + (many ? u" sind "_s : u" ist "_s) + state + u'.');
    }
    return lines;
}

QString reportedDoneBut(const QString &finding)
{
    return u"CUPS meldete Erfolg, aber "_s + finding;
}

} // namespace

namespace ModelTexts {

QString actionProgress(JobAction action, qsizetype done, qsizetype total)
{
    const QString count = QString::number(done) + u" von "_s + QString::number(total);
    switch (action) {
    case JobAction::Hold:
        return u"Halte "_s + count + u" an …"_s;
    case JobAction::Release:
        return u"Gebe "_s + count + u" frei …"_s;
    case JobAction::Cancel:
        return u"Breche "_s + count + u" ab …"_s;
    }
    return {};
}

AppNotice actionNotice(const JobActionOutcome &outcome)
{
    const QString what = participle(outcome.action);
    const qsizetype done = outcome.done.size();
    const QString leftAlone = leftAloneLines(outcome).join(u'\n');
    const QString listsAgain = u"Die Listen werden aktualisiert."_s;
    if (outcome.failures.isEmpty()) {
        const QString title = ServiceTexts::counted(done, u"%1 Auftrag ", u"%1 Aufträge ") + what;
        if (leftAlone.isEmpty())
            return AppNotice::make(title, u"Alle ausgewählten Aufträge wurden "_s + what + u". "_s + listsAgain);
        return AppNotice::make(title,
                               QString::number(done) + u" von "_s + QString::number(outcome.selectedCount)
                                   + u" ausgewählten Aufträgen wurden "_s + what + u".\n\n"_s + leftAlone + u"\n\n"_s
                                   + listsAgain);
    }
    const QString lead = done == 0 ? u"Kein Auftrag konnte "_s + what + u" werden."_s
                                   : QString::number(done) + u" Auftrag bzw. Aufträge wurden "_s + what + u'.';
    return AppNotice::make(u"Nicht alle Aufträge konnten "_s + what + u" werden"_s,
                           lead + u"\n\nNicht "_s + what + u":\n"_s + firstFailures(outcome.failures).join(u'\n')
                               + (leftAlone.isEmpty() ? QString() : u"\n\n"_s + leftAlone) + u"\n\n"_s + listsAgain);
}

QString actionStatus(const JobActionOutcome &outcome)
{
    const QString done = QString::number(outcome.done.size());
    const QString what = participle(outcome.action);
    if (outcome.failures.isEmpty() && outcome.beingPrinted.isEmpty() && outcome.alreadyDone.isEmpty())
        return done + u" Auftrag bzw. Aufträge wurden "_s + what + u'.';
    return done + u" von "_s + QString::number(outcome.selectedCount) + u" Auftrag bzw. Aufträgen wurden "_s + what
        + u'.';
}

QString actionNotChecked(JobAction action)
{
    return u"Ob die Aufträge "_s + participle(action)
        + u" wurden, ließ sich nicht prüfen: Die Listen konnten danach nicht geladen werden."_s;
}

QString stillWaiting(const QString &queue)
{
    return reportedDoneBut(u"der Auftrag wartet weiterhin in „"_s + DisplayText::field(queue) + u"“."_s);
}

QString stillHeld()
{
    return reportedDoneBut(u"der Auftrag ist weiterhin angehalten."_s);
}

QString notHeld()
{
    return reportedDoneBut(u"der Auftrag ist nicht angehalten."_s);
}

QString goneBeforeHeld()
{
    return reportedDoneBut(u"der Auftrag wartet nicht mehr; er wurde wohl schon gedruckt."_s);
}

QString goneAfterRefusal()
{
    return u"Der Auftrag wartet nicht mehr; er wurde wohl schon gedruckt."_s;
}

QString cancelConfirmationHeadline(qsizetype jobCount)
{
    return ServiceTexts::counted(jobCount, u"%1 Druckauftrag wird", u"%1 Druckaufträge werden") + u" abgebrochen:"_s;
}

QStringList cancelConfirmationLines(const QList<PrintJob> &jobs)
{
    QStringList lines;
    lines.reserve(jobs.size());
    for (const PrintJob &job : jobs) {
        QString line = u"• "_s + displayIdentifier(job) + u"  ("_s + DisplayText::field(job.sourcePrinterName) + u')';
        const QString title = DisplayText::cleaned(job.title.value_or(QString())).trimmed();
        if (!title.isEmpty())
            line += u"  „"_s + DisplayText::field(DisplayText::shortened(title)) + u'“';
        lines.append(line);
    }
    return lines;
}

QString cancelConfirmationWarning()
{
    return u"Abgebrochene Aufträge werden nicht gedruckt und lassen sich nicht zurückholen."_s;
}

} // namespace ModelTexts
