// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "NoticeControl.h"

#include "WindowState.h"

NoticeControl::NoticeControl(WindowState &state, QObject *parent)
    : Capability(state, parent)
{
    watch();
}

const std::optional<AppNotice> &NoticeControl::notice() const
{
    return m_state.notices.current();
}

const QString &NoticeControl::statusText() const
{
    return m_state.statusText;
}

void NoticeControl::dismiss()
{
    m_state.notices.dismiss();
    m_state.written();
}

void NoticeControl::present(const WorkflowError &error, const QString &title)
{
    m_state.show(AppNotice::fromError(title, error));
}
