// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "ServiceTexts.h"

#include "TextRules.h"

#include <QStringList>

#include <utility>

using namespace Qt::StringLiterals;

namespace {

// "60 Sekunden", "0,5 Sekunden", "1 Sekunde".
QString germanSeconds(std::chrono::milliseconds duration)
{
    const qint64 milliseconds = duration.count();
    if (milliseconds % 1000 == 0)
        return ServiceTexts::counted(milliseconds / 1000, u"%1 Sekunde", u"%1 Sekunden");
    return QString::number(double(milliseconds) / 1000.0, 'g', 3).replace(u'.', u',') + u" Sekunden"_s;
}

// What a tool or the scheduler said about a failure, or that it said nothing.
QString errorDetail(const QString &said)
{
    const QString trimmed = TextRules::trimSpacesAndLineBreaks(said).toString();
    return trimmed.isEmpty() ? u"CUPS lieferte keine weitere Fehlermeldung."_s : trimmed;
}

// A refusal reads the same for a move and for any request: what the program
// does not do about it, and CUPS's own words.
QString permissionRefusal(const QString &detail)
{
    return u"CUPS hat die Berechtigung verweigert. Die App startet kein sudo und fragt kein Passwort ab. "
           u"Prüfen Sie die CUPS-Berechtigung für Ihren Benutzer. Originalfehler: "_s
        + detail;
}

} // namespace

namespace ServiceTexts {

QString counted(qsizetype count, QStringView singular, QStringView plural)
{
    QString text = (count == 1 ? singular : plural).toString();
    return text.replace(u"%1"_s, QString::number(count));
}

QString errorDescription(const CUPSServiceError &error)
{
    switch (error.kind()) {
    case CUPSServiceError::Kind::LpstatUnavailable:
        return u"Das CUPS-Werkzeug lpstat wurde unter "_s + error.path()
            + u" nicht gefunden oder ist nicht ausführbar."_s;
    case CUPSServiceError::Kind::LaunchFailed:
        return error.executable() + u" konnte nicht gestartet werden: "_s + error.reason();
    case CUPSServiceError::Kind::CommandFailed: {
        const QString detail = errorDetail(error.standardError());
        if (error.isPermissionRefusal())
            return permissionRefusal(detail);
        return error.command() + u" ist mit Status "_s + QString::number(error.status()) + u" fehlgeschlagen. "_s
            + detail;
    }
    case CUPSServiceError::Kind::RequestFailed: {
        const QString detail = errorDetail(error.reason());
        if (error.isPermissionRefusal())
            return permissionRefusal(detail);
        return error.command() + u" ist fehlgeschlagen. "_s + detail;
    }
    case CUPSServiceError::Kind::JobWithoutNumber:
        return u"Der Auftrag „"_s + error.argument()
            + u"“ trägt keine lesbare Auftragsnummer, unter der CUPS ihn kennen könnte."_s;
    case CUPSServiceError::Kind::LpmoveUnavailable:
        return u"Das CUPS-Werkzeug lpmove wurde nicht im ausführbaren Systempfad gefunden."_s;
    case CUPSServiceError::Kind::InvalidDestination:
        return u"Als Ziel muss ein anderer Drucker als die Quellwarteschlange gewählt werden."_s;
    case CUPSServiceError::Kind::UnreadableOutput:
        return error.command() + u" lieferte eine Ausgabe, die nicht als UTF-8-Text lesbar ist."_s;
    case CUPSServiceError::Kind::OptionLikeArgument:
        return u"„"_s + error.argument()
            + u"“ beginnt mit einem Bindestrich und würde von lpmove als Option gelesen."_s;
    case CUPSServiceError::Kind::JobNamedLikeQueue:
        return u"Der Auftrag „"_s + error.argument()
            + u"“ heißt wie eine Druckerwarteschlange; lpmove würde alle Aufträge dieser Warteschlange verschieben."_s;
    case CUPSServiceError::Kind::TimedOut:
        return error.command() + u" hat nach "_s + germanSeconds(error.timeLimit())
            + u" nicht geendet und wurde abgebrochen."_s;
    }
    Q_UNREACHABLE();
    return {};
}

QString recoverySuggestion(const CUPSServiceError &error)
{
    switch (error.kind()) {
    case CUPSServiceError::Kind::LpstatUnavailable:
    case CUPSServiceError::Kind::LpmoveUnavailable:
        return u"Prüfen Sie die lokale CUPS-Installation und starten Sie die App anschließend erneut."_s;
    case CUPSServiceError::Kind::LaunchFailed:
        return u"Prüfen Sie, ob das lokale CUPS-System verfügbar ist."_s;
    case CUPSServiceError::Kind::CommandFailed:
    case CUPSServiceError::Kind::RequestFailed:
    case CUPSServiceError::Kind::JobWithoutNumber:
    case CUPSServiceError::Kind::UnreadableOutput:
        return u"Aktualisieren Sie die Listen und prüfen Sie die Druckzentrale."_s;
    case CUPSServiceError::Kind::TimedOut:
        return u"Prüfen Sie, ob der CUPS-Dienst läuft und antwortet, und aktualisieren Sie dann die Listen."_s;
    case CUPSServiceError::Kind::InvalidDestination:
        return u"Wählen Sie eine andere konfigurierte Druckerwarteschlange."_s;
    case CUPSServiceError::Kind::JobNamedLikeQueue:
        return u"Verschieben Sie diesen Auftrag über die Druckzentrale."_s;
    case CUPSServiceError::Kind::OptionLikeArgument:
        return u"Benennen Sie die Druckerwarteschlange in CUPS so um, dass ihr Name nicht mit einem Bindestrich beginnt."_s;
    }
    Q_UNREACHABLE();
    return {};
}

QString beingPrintedNotHeld()
{
    return u"Der Auftrag wird gerade gedruckt und wurde nicht angehalten; angehalten würde er später von vorn gedruckt."_s;
}

QString programEnding()
{
    return u"Parvento wird beendet."_s;
}

QString jobOperation(JobAction action, const QString &identifier)
{
    switch (action) {
    case JobAction::Hold:
        return u"Das Anhalten des Auftrags "_s + identifier;
    case JobAction::Release:
        return u"Das Freigeben des Auftrags "_s + identifier;
    case JobAction::Cancel:
        return u"Das Abbrechen des Auftrags "_s + identifier;
    }
    Q_UNREACHABLE();
    return {};
}

QString schedulerUnreachable(const QString &reason)
{
    return u"Der CUPS-Dienst ist nicht erreichbar: "_s + reason;
}

QString schedulerConnectionBroke(const QString &reason)
{
    return u"Die Verbindung zum CUPS-Dienst brach ab: "_s + reason;
}

QString schedulerAnswerTooLarge(qsizetype bytes)
{
    return u"Die Antwort des CUPS-Dienstes war größer als %1 MB und wurde verworfen."_s.arg(bytes / (1024 * 1024));
}

QString stateWord(PrintJob::State state)
{
    using enum PrintJob::State;
    static constexpr std::pair<PrintJob::State, QStringView> words[] {
        {Pending, u"wartet"},
        {Held, u"angehalten"},
        {Processing, u"wird gedruckt"},
        {Stopped, u"gestoppt"},
    };
    for (const auto &[candidate, word] : words) {
        if (candidate == state)
            return word.toString();
    }
    return {};
}

QString jobAccessibleDescription(const PrintJob &job, const QString &identifier, QString (*shown)(const QString &))
{
    QStringList segments {identifier, u"Quelle: "_s + shown(job.sourcePrinterName)};
    if (job.owner && !job.owner->isEmpty())
        segments.append(u"Eigentümer: "_s + shown(*job.owner));
    if (job.title && !job.title->isEmpty())
        segments.append(u"Titel: "_s + shown(*job.title));
    if (job.state)
        segments.append(u"Status: "_s + stateWord(*job.state));
    return segments.join(u" · "_s);
}

} // namespace ServiceTexts
