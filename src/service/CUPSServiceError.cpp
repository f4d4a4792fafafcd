// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "CUPSServiceError.h"

#include "ServiceTexts.h"
#include "TextRules.h"

#include <algorithm>
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

CUPSServiceError CUPSServiceError::requestFailed(const QString &operation, const QString &statusText,
                                                 bool refusedAuthorisation)
{
    CUPSServiceError error(Kind::RequestFailed);
    error.m_command = operation;
    error.m_text = statusText;
    error.m_refusedAuthorisation = refusedAuthorisation;
    return error;
}

CUPSServiceError CUPSServiceError::requestUnanswered(const QString &operation, const QString &reason)
{
    CUPSServiceError error = requestFailed(operation, reason, false);
    error.m_unanswered = true;
    return error;
}

CUPSServiceError CUPSServiceError::jobWithoutNumber(const QString &identifier)
{
    CUPSServiceError error(Kind::JobWithoutNumber);
    error.m_text = identifier;
    return error;
}

bool CUPSServiceError::isPermissionRefusal() const
{
    switch (m_kind) {
    case Kind::CommandFailed:
        return isPermissionError(TextRules::trimSpacesAndLineBreaks(m_text).toString());
    case Kind::RequestFailed:
        return m_refusedAuthorisation || isPermissionError(m_text);
    default:
        return false;
    }
}

bool CUPSServiceError::leftUnanswered() const
{
    return m_kind == Kind::TimedOut || m_unanswered;
}

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

CUPSServiceError CUPSServiceError::aboutJob(const QString &identifier, qsizetype queueLength) const
{
    CUPSServiceError about = *this;
    about.m_job = identifier;
    about.m_jobQueueLength = std::clamp<qsizetype>(queueLength, 0, identifier.size());
    return about;
}

CUPSServiceError CUPSServiceError::withQuotedTexts(QString (*shown)(const QString &)) const
{
    // A text that ends with the job's identifier: what comes before it is
    // either our own words or nothing, the identifier two fields.
    const auto quoted = [this, shown](const QString &text) {
        if (m_job.isEmpty() || m_jobQueueLength == 0 || !text.endsWith(m_job))
            return shown(text);
        const QString before = text.chopped(m_job.size());
        return (before.isEmpty() ? QString() : shown(before)) + shown(m_job.first(m_jobQueueLength))
            + shown(m_job.sliced(m_jobQueueLength));
    };
    CUPSServiceError copy = *this;
    copy.m_path = shown(m_path);
    copy.m_command = quoted(m_command);
    copy.m_text = quoted(m_text);
    return copy;
}

QString CUPSServiceError::errorDescription() const
{
    return ServiceTexts::errorDescription(*this);
}

QString CUPSServiceError::recoverySuggestion() const
{
    return ServiceTexts::recoverySuggestion(*this);
}
