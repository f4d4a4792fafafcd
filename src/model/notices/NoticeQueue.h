// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "AppNotice.h"

#include <optional>

// The notice the window shows, and the one failure to load that waits
// behind it. A notice that a reload failed gives way to a newer one; a
// move's report does not: a failure to load that comes while the report is
// up waits until it is dismissed, so the user learns both. While the
// scheduler stays away, its failure is told once; the status line says the
// rest.
class NoticeQueue
{
public:
    const std::optional<AppNotice> &current() const { return m_current; }

    // Replaces whatever is shown.
    void show(const std::optional<AppNotice> &notice);
    // A reload failed with `notice`'s texts.
    void reloadFailed(const AppNotice &notice);
    // A reload succeeded: the next failure is news again.
    void reloadSucceeded() { m_lastReloadFailure.reset(); }
    // The user closed the notice; a failure that waited comes up.
    void dismiss();

private:
    std::optional<AppNotice> m_current;
    bool m_currentIsLoadFailure = false;
    std::optional<AppNotice> m_waitingLoadFailure;
    // The last reload's failure, when it failed.
    std::optional<AppNotice> m_lastReloadFailure;
};
