// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "CUPSServiceError.h"

#include "TextRules.h"

#include <array>

using namespace Qt::StringLiterals;

CUPSServiceError CUPSServiceError::lpstatUnavailable(const QString &path)
{
    CUPSServiceError error(Kind::LpstatUnavailable);
    error.m_path = path;
    return error;
}

CUPSServiceError CUPSServiceError::launchFailed(const QString &executable, const QString &reason)
{
    CUPSServiceError error(Kind::LaunchFailed);
    error.m_path = executable;
    error.m_text = reason;
    return error;
}

CUPSServiceError CUPSServiceError::commandFailed(const QString &command, qint32 status, const QString &standardError)
{
    CUPSServiceError error(Kind::CommandFailed);
    error.m_command = command;
    error.m_status = status;
    error.m_text = standardError;
    return error;
}

CUPSServiceError CUPSServiceError::lpmoveUnavailable()
{
    return CUPSServiceError(Kind::LpmoveUnavailable);
}

CUPSServiceError CUPSServiceError::invalidDestination()
{
    return CUPSServiceError(Kind::InvalidDestination);
}

CUPSServiceError CUPSServiceError::unreadableOutput(const QString &command)
{
    CUPSServiceError error(Kind::UnreadableOutput);
    error.m_command = command;
    return error;
}

CUPSServiceError CUPSServiceError::optionLikeArgument(const QString &argument)
{
    CUPSServiceError error(Kind::OptionLikeArgument);
    error.m_text = argument;
    return error;
}

CUPSServiceError CUPSServiceError::jobNamedLikeQueue(const QString &identifier)
{
    CUPSServiceError error(Kind::JobNamedLikeQueue);
    error.m_text = identifier;
    return error;
}

CUPSServiceError CUPSServiceError::timedOut(const QString &command, std::chrono::milliseconds limit)
{
    CUPSServiceError error(Kind::TimedOut);
    error.m_command = command;
    error.m_timeLimit = limit;
    return error;
}

namespace {

// "60 Sekunden", "0,5 Sekunden", "1 Sekunde".
QString germanSeconds(std::chrono::milliseconds duration)
{
    const qint64 milliseconds = duration.count();
    if (milliseconds == 1000)
        return u"1 Sekunde"_s;
    QString number = milliseconds % 1000 == 0 ? QString::number(milliseconds / 1000)
                                              : QString::number(double(milliseconds) / 1000.0, 'g', 3);
    return number.replace(u'.', u',') + u" Sekunden"_s;
}

} // namespace

bool CUPSServiceError::isPermissionError(const QString &text)
{
    // CUPS prints its refusals in the user's language, so the German wording of
    // "Forbidden" and "Unauthorized" counts as well.
    static constexpr std::array markers {
        "not authorized"_L1, "not permitted"_L1, "permission denied"_L1, "unauthorized"_L1,
        "forbidden"_L1,      "verboten"_L1,      "nicht berechtigt"_L1,
    };
    if (text.isEmpty())
        return false;
    const QString lowered = text.toLower();
    for (const QLatin1StringView marker : markers) {
        if (TextRules::indexOfMarker(lowered, marker) >= 0)
            return true;
    }
    return false;
}

CUPSServiceError CUPSServiceError::withQuotedTexts(QString (*shown)(const QString &)) const
{
    CUPSServiceError copy = *this;
    copy.m_path = shown(m_path);
    copy.m_command = shown(m_command);
    copy.m_text = shown(m_text);
    return copy;
}

QString CUPSServiceError::errorDescription() const
{
    switch (m_kind) {
    case Kind::LpstatUnavailable:
        return u"Das CUPS-Werkzeug lpstat wurde unter "_s + m_path + u" nicht gefunden oder ist nicht ausführbar."_s;
    case Kind::LaunchFailed:
        return m_path + u" konnte nicht gestartet werden: "_s + m_text;
    case Kind::CommandFailed: {
        const QString trimmed = TextRules::trimSpacesAndLineBreaks(m_text).toString();
        const QString detail = trimmed.isEmpty() ? u"CUPS lieferte keine weitere Fehlermeldung."_s : trimmed;
        if (isPermissionError(trimmed)) {
            return u"CUPS hat die Berechtigung verweigert. Die App startet kein sudo und fragt kein Passwort ab. "
                   u"Prüfen Sie die CUPS-Berechtigung für Ihren Benutzer. Originalfehler: "_s
                + detail;
        }
        return m_command + u" ist mit Status "_s + QString::number(m_status) + u" fehlgeschlagen. "_s + detail;
    }
    case Kind::LpmoveUnavailable:
        return u"Das CUPS-Werkzeug lpmove wurde nicht im ausführbaren Systempfad gefunden."_s;
    case Kind::InvalidDestination:
        return u"Als Ziel muss ein anderer Drucker als die Quellwarteschlange gewählt werden."_s;
    case Kind::UnreadableOutput:
        return m_command + u" lieferte eine Ausgabe, die nicht als UTF-8-Text lesbar ist."_s;
    case Kind::OptionLikeArgument:
        return u"„"_s + m_text + u"“ beginnt mit einem Bindestrich und würde von lpmove als Option gelesen."_s;
    case Kind::JobNamedLikeQueue:
        return u"Der Auftrag „"_s + m_text
            + u"“ heißt wie eine Druckerwarteschlange; lpmove würde alle Aufträge dieser Warteschlange verschieben."_s;
    case Kind::TimedOut:
        return m_command + u" hat nach "_s + germanSeconds(m_timeLimit) + u" nicht geendet und wurde abgebrochen."_s;
    }
    Q_UNREACHABLE();
    return {};
}

QString CUPSServiceError::recoverySuggestion() const
{
    switch (m_kind) {
    case Kind::LpstatUnavailable:
    case Kind::LpmoveUnavailable:
        return u"Prüfen Sie die lokale CUPS-Installation und starten Sie die App anschließend erneut."_s;
    case Kind::LaunchFailed:
        return u"Prüfen Sie, ob das lokale CUPS-System verfügbar ist."_s;
    case Kind::CommandFailed:
    case Kind::UnreadableOutput:
        return u"Aktualisieren Sie die Listen und prüfen Sie die Druckzentrale."_s;
    case Kind::TimedOut:
        return u"Prüfen Sie, ob der CUPS-Dienst läuft und antwortet, und aktualisieren Sie dann die Listen."_s;
    case Kind::InvalidDestination:
        return u"Wählen Sie eine andere konfigurierte Druckerwarteschlange."_s;
    case Kind::JobNamedLikeQueue:
        return u"Verschieben Sie diesen Auftrag über die Druckzentrale."_s;
    case Kind::OptionLikeArgument:
        return u"Benennen Sie die Druckerwarteschlange in CUPS so um, dass ihr Name nicht mit einem Bindestrich beginnt."_s;
    }
    Q_UNREACHABLE();
    return {};
}
