// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <chrono>
#include <optional>

// What one finished tool run printed, and how it ended.
struct CommandResult
{
    QString standardOutput;
    QString standardError;
    qint32 terminationStatus = 0;
    // Set when a stream was not valid UTF-8 and its text was dropped, so that a
    // listing can tell "printed nothing" from "printed something unreadable".
    bool standardOutputDropped = false;
    bool standardErrorDropped = false;
    // Set when the run was killed because it outlived its time limit (the limit).
    std::optional<std::chrono::milliseconds> timedOutAfter {};
};
