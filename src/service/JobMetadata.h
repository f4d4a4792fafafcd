// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>

// What the detailed job listing says about one job. A field is only ever set
// to non-empty text.
struct JobMetadata
{
    std::optional<QString> owner;
    std::optional<QString> title;
};
