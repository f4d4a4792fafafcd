// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include <BackgroundWork.h>

#include <QByteArray>
#include <QList>
#include <QtGlobal>

#include <optional>
#include <utility>

// Changes environment variables that the tools a test starts inherit (PATH,
// the locale, CUPS_SERVER) and puts each one back as it was, unset where it
// was unset, when it goes out of scope. Header only.
class EnvironmentOverride
{
public:
    EnvironmentOverride() = default;
    // Sets `name` to `value`, or unsets it without one.
    EnvironmentOverride(const char *name, const std::optional<QByteArray> &value) { set(name, value); }
    ~EnvironmentOverride()
    {
        // Backwards, so that a variable changed twice ends as it was before the first change.
        for (auto saved = m_saved.crbegin(); saved != m_saved.crend(); ++saved)
            put(saved->first.constData(), saved->second);
    }
    Q_DISABLE_COPY_MOVE(EnvironmentOverride)

    void set(const char *name, const std::optional<QByteArray> &value)
    {
        m_saved.append({name, qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt});
        put(name, value);
    }

private:
    static void put(const char *name, const std::optional<QByteArray> &value)
    {
        // Requests and tool runs a test left behind read the environment on
        // their own threads, unlocked; changing it under them can crash them.
        // Each of them ends within its time limit.
        if (!BackgroundWork::waitUntilIdle(std::chrono::minutes(2)))
            qWarning("Background work still running while the environment changes");
        if (value)
            qputenv(name, *value);
        else
            qunsetenv(name);
    }

    QList<std::pair<QByteArray, std::optional<QByteArray>>> m_saved;
};
