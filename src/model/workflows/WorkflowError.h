// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include <CUPSServiceError.h>

#include <QString>

#include <optional>

// An error that ends a workflow step: as a rule one of CUPS access, otherwise
// one from elsewhere (a task that was cancelled or threw) that brings no texts
// of its own and is described by a plain generic sentence.
class WorkflowError
{
public:
    explicit WorkflowError(const CUPSServiceError &error);
    // An error from outside CUPS access; `detail` may be empty.
    static WorkflowError unexpected(const QString &detail = {});
    // CUPS reported success, but what it did afterwards says otherwise;
    // `description` is the whole text.
    static WorkflowError unconfirmed(const QString &description);
    // The job was never handed over: the scheduler had left `cause`, a job
    // before it, without an answer.
    static WorkflowError notTried(const WorkflowError &cause);

    // The same error, its description followed by `note` (one sentence).
    WorkflowError withNote(const QString &note) const;

    // The error's own description, or the generic one; always one text, fit
    // for the screen.
    QString description() const;
    // Only errors of CUPS access have one.
    std::optional<QString> recoverySuggestion() const;

    const std::optional<CUPSServiceError> &serviceError() const { return m_serviceError; }
    // A run stopped at its time limit, which may have done its work all the same.
    bool isTimeout() const { return m_serviceError && m_serviceError->kind() == CUPSServiceError::Kind::TimedOut; }
    // The scheduler gave no answer: whatever comes next would wait as long.
    bool leftUnanswered() const { return m_serviceError && m_serviceError->leftUnanswered(); }

private:
    WorkflowError() = default;
    QString plainDescription() const;

    std::optional<CUPSServiceError> m_serviceError;
    QString m_detail;
    QString m_description;
    QString m_note;
    std::optional<QString> m_suggestion;
};
