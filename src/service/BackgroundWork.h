// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <memory>

// Counts the tool runs and scheduler requests still under way on threads of
// their own, from the moment they are started until their thread lets go of
// them. The program itself never waits for them (a hung request must not
// hold it up); whoever changes the process environment must: libcups and the
// C library read it on those threads without a lock, and setenv() may move it
// away under them.
class BackgroundWork
{
public:
    // One piece of work: counted while any copy of the token lives.
    using Token = std::shared_ptr<const void>;
    static Token begin();

    // Waits until nothing is under way any more, or `limit` has passed;
    // says whether everything had ended.
    static bool waitUntilIdle(std::chrono::milliseconds limit);
};
