// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "BackgroundWork.h"

#include <condition_variable>
#include <mutex>

namespace {

std::mutex mutex;
std::condition_variable ended;
int underWay = 0;

} // namespace

BackgroundWork::Token BackgroundWork::begin()
{
    {
        std::lock_guard lock(mutex);
        ++underWay;
    }
    // Only the deleter matters: it runs once, when the last copy goes.
    return Token(static_cast<const void *>(&underWay), [](const void *) {
        {
            std::lock_guard lock(mutex);
            --underWay;
        }
        ended.notify_all();
    });
}

bool BackgroundWork::waitUntilIdle(std::chrono::milliseconds limit)
{
    std::unique_lock lock(mutex);
    return ended.wait_for(lock, limit, [] { return underWay == 0; });
}
