// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "WindowState.h"

#include "ModelTexts.h"
#include "Question.h"

#include <algorithm>

WindowState::WindowState(const CUPSService &service, const QString &schedulerText, QObject *rowsParent)
    : service(service)
    , rows(rowsParent)
    , statusText(ModelTexts::readyStatus())
    , schedulerText(schedulerText)
{ }

bool WindowState::isAsking() const
{
    return std::ranges::any_of(m_questions, [](const Question *question) { return question->isOpen(); });
}

void WindowState::written()
{
    const JobSelection::Changes changes = selection.takeChanges();
    rows.catchUp(selection, changes);
    for (const Follower &follower : m_followers)
        follower(changes);
}

void WindowState::setLists(const QList<PrintJob> &jobs, const QList<Printer> &printers)
{
    selection.setLists(jobs, printers);
    written();
}

void WindowState::show(const AppNotice &notice)
{
    notices.show(notice);
    written();
}
