// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "EnvironmentOverride.h"

// Sets PATH, where the tools a test starts (and the lookup of lpmove) search,
// and puts it back when it goes out of scope. Without a value PATH is unset.
// Header only.
class PathOverride
{
public:
    explicit PathOverride(const std::optional<QByteArray> &path)
        : m_environment("PATH", path)
    { }
    Q_DISABLE_COPY_MOVE(PathOverride)

private:
    EnvironmentOverride m_environment;
};
