// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "Question.h"

#include <utility>

Question::Question(Answer accepted, Answer dismissed, QObject *parent)
    : QObject(parent)
    , m_accepted(std::move(accepted))
    , m_dismissed(std::move(dismissed))
{ }

void Question::open(const ListedConfirmation &content)
{
    // The parts first: the dialog reads them as it opens.
    if (content != std::exchange(m_content, content))
        Q_EMIT contentChanged();
    if (!std::exchange(m_isOpen, true))
        Q_EMIT isOpenChanged();
}

void Question::close()
{
    if (std::exchange(m_isOpen, false))
        Q_EMIT isOpenChanged();
    if (m_content != std::exchange(m_content, {}))
        Q_EMIT contentChanged();
}

void Question::accept()
{
    if (m_isOpen)
        m_accepted();
}

void Question::dismiss()
{
    if (m_isOpen)
        m_dismissed();
}
