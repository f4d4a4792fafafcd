// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "EnvironmentOverride.h"

#include <QByteArray>

#include <optional>

// Sets the locale that child processes inherit (LC_ALL and LANG, with
// LC_MESSAGES and LANGUAGE removed so nothing overrides them) and restores the
// previous environment when it goes out of scope. CUPS tools print their
// messages in this locale; the test process's own locale stays as it was.
class ToolLocale
{
public:
    explicit ToolLocale(const QByteArray &locale)
    {
        m_environment.set("LC_MESSAGES", std::nullopt);
        m_environment.set("LANGUAGE", std::nullopt);
        m_environment.set("LC_ALL", locale);
        m_environment.set("LANG", locale);
    }
    Q_DISABLE_COPY_MOVE(ToolLocale)

private:
    EnvironmentOverride m_environment;
};
