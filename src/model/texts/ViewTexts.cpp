// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
// The texts of ModelTexts that the view shows as they are or composes from
// a count or a name (WindowTexts hands them to QML), and the command line's.
#include "ModelTexts.h"

#include "DisplayText.h"

#include <ServiceTexts.h>

#include <QDateTime>
#include <QLocale>
#include <QStringList>
#include <QTextBoundaryFinder>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace ModelTexts {

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
const QString holdJobs = u"Anhalten"_s;
const QString releaseJobs = u"Freigeben"_s;
const QString cancelJobs = u"Abbrechen …"_s;
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

const QString cancelConfirmationTitle = u"Ausgewählte Aufträge abbrechen?"_s;
const QString confirmCancel = u"Aufträge abbrechen"_s;
const QString keepJobs = u"Behalten"_s;

const QString undoMove = u"Rückgängig machen"_s;
const QString undoConfirmationTitle = u"Verschiebung rückgängig machen?"_s;
const QString confirmUndo = u"Zurück verschieben"_s;

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
