// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "NoticeQueue.h"

#include <utility>

void NoticeQueue::show(const std::optional<AppNotice> &notice)
{
    m_current = notice;
    m_currentIsLoadFailure = false;
}

void NoticeQueue::reloadFailed(const AppNotice &notice)
{
    const bool told = m_lastReloadFailure && m_lastReloadFailure->title == notice.title
        && m_lastReloadFailure->message == notice.message;
    m_lastReloadFailure = notice;
    if (told)
        return;
    if (m_current && !m_currentIsLoadFailure) {
        m_waitingLoadFailure = notice;
        return;
    }
    m_current = notice;
    m_currentIsLoadFailure = true;
}

void NoticeQueue::dismiss()
{
    m_current = std::exchange(m_waitingLoadFailure, std::nullopt);
    m_currentIsLoadFailure = m_current.has_value();
}
