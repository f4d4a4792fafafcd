// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
// The texts of ModelTexts for taking back a move: its confirmation, its report
// and what is left out. They follow the move's, so that both read alike.
#include "ModelTexts.h"

#include "DisplayText.h"

#include <ServiceTexts.h>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

QString listsAgain()
{
    return u"Die Listen werden aktualisiert."_s;
}

} // namespace

namespace ModelTexts {

QString namedJobs(const QStringList &jobs)
{
    // The notes stay in view, however many jobs there are.
    constexpr qsizetype named = 3;
    const QStringList first = jobs.first(std::min(named, jobs.size()));
    QString list = first.join(u", "_s);
    if (jobs.size() > first.size())
        list += u" und "_s + QString::number(jobs.size() - first.size()) + u" weitere"_s;
    return list;
}

QString undoConfirmationHeadline(qsizetype jobCount)
{
    return ServiceTexts::counted(jobCount, u"%1 Druckauftrag wird", u"%1 Druckaufträge werden")
        + u" zurückverschoben:"_s;
}

QStringList undoConfirmationLines(const UndoPlan &plan)
{
    QStringList lines;
    lines.reserve(plan.returns.size());
    for (const UndoPlan::Return &back : plan.returns)
        lines.append(u"• "_s + displayIdentifier(back.job) + u" → "_s + DisplayText::field(back.sourceQueue));
    return lines;
}

QString undoLeftOut(const QString &destination, const QStringList &leftOut)
{
    return u"Nicht mehr in „"_s + DisplayText::field(destination) + u"“ und darum ausgelassen: "_s + namedJobs(leftOut);
}

AppNotice nothingToUndoNotice(const UndoPlan &plan)
{
    return AppNotice::make(u"Nichts zurückzuverschieben"_s,
                           u"Keiner der verschobenen Aufträge steht noch in „"_s + DisplayText::field(plan.destination)
                               + u"“ ("_s + namedJobs(plan.leftOut)
                               + u"); sie wurden inzwischen gedruckt, abgebrochen oder weiterverschoben."_s);
}

QString undoWaitsForLists()
{
    return u"Rückgängig machen ist wieder möglich, sobald die Listen geladen sind."_s;
}

AppNotice undoNotice(const UndoOutcome &outcome)
{
    const qsizetype movedBack = outcome.movedBackCount();
    const QList<std::pair<PrintJob, WorkflowError>> failures = outcome.failures();
    // The last look before moving found none of them left.
    const UndoPlan &plan = outcome.plan;
    if (outcome.moves.isEmpty() && !plan.leftOut.isEmpty())
        return nothingToUndoNotice(outcome.plan);
    const QString leftOut
        = plan.leftOut.isEmpty() ? QString() : undoLeftOut(plan.destination, plan.leftOut) + u"\n\n"_s;
    if (failures.isEmpty()) {
        const QString back
            = ServiceTexts::counted(movedBack, u"Der Auftrag steht wieder in der Warteschlange, aus der er kam.",
                                    u"Die Aufträge stehen wieder in den Warteschlangen, aus denen sie kamen.");
        return AppNotice::make(
            ServiceTexts::counted(movedBack, u"Auftrag zurückverschoben", u"%1 Aufträge zurückverschoben"),
            leftOut.isEmpty() ? back + u' ' + listsAgain() : back + u"\n\n"_s + leftOut + listsAgain());
    }
    const QString lead = movedBack == 0
        ? u"Kein Auftrag konnte zurückverschoben werden."_s
        : QString::number(movedBack) + u" Auftrag bzw. Aufträge wurden zurückverschoben."_s;
    return AppNotice::make(u"Nicht alle Aufträge konnten zurückverschoben werden"_s,
                           lead + u"\n\nNicht zurückverschoben:\n"_s + firstFailures(failures).join(u'\n') + u"\n\n"_s
                               + leftOut + listsAgain());
}

QString undoStatus(const UndoOutcome &outcome)
{
    const QString movedBack = QString::number(outcome.movedBackCount());
    if (outcome.failures().isEmpty())
        return movedBack + u" Auftrag bzw. Aufträge wurden zurückverschoben."_s;
    return movedBack + u" von "_s + QString::number(outcome.selectedCount())
        + u" Auftrag bzw. Aufträgen wurden zurückverschoben."_s;
}

} // namespace ModelTexts
