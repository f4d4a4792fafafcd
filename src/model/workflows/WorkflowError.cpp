// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "WorkflowError.h"

#include "DisplayText.h"
#include "ModelTexts.h"

WorkflowError::WorkflowError(const CUPSServiceError &error)
    : m_serviceError(error)
{ }

WorkflowError WorkflowError::unexpected(const QString &detail)
{
    WorkflowError error;
    error.m_detail = detail;
    return error;
}

WorkflowError WorkflowError::unconfirmed(const QString &description)
{
    WorkflowError error;
    error.m_description = description;
    return error;
}

WorkflowError WorkflowError::withNote(const QString &note) const
{
    WorkflowError noted = *this;
    noted.m_note = m_note.isEmpty() ? note : m_note + u' ' + note;
    return noted;
}

WorkflowError WorkflowError::notTried(const WorkflowError &cause)
{
    WorkflowError error;
    error.m_description = ModelTexts::notTriedAfterSilence();
    error.m_suggestion = cause.recoverySuggestion();
    return error;
}

QString WorkflowError::description() const
{
    const QString described = plainDescription();
    return m_note.isEmpty() ? described : described + u' ' + m_note;
}

QString WorkflowError::plainDescription() const
{
    // What CUPS access quotes (queue names, paths, what a tool printed) may
    // come from a remote scheduler: each quote is a field of its own.
    if (m_serviceError)
        return m_serviceError->withQuotedTexts(&DisplayText::field).errorDescription();
    if (!m_description.isEmpty())
        return m_description;
    const QString generic = ModelTexts::unexpectedFailure();
    // Whatever the detail holds, the description stays on one line.
    const QString detail = DisplayText::field(m_detail.simplified());
    return detail.isEmpty() ? generic : generic + u' ' + detail;
}

std::optional<QString> WorkflowError::recoverySuggestion() const
{
    if (m_serviceError)
        return m_serviceError->recoverySuggestion();
    return m_suggestion;
}
