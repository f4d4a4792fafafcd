// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "AddressLookup.h"

#include "BackgroundWork.h"

#include <cups/cups.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace {

// How often the wait looks whether the request has run out of time.
constexpr std::chrono::milliseconds expiryCheckInterval {100};

// What the lookup thread and the waiting request share; whoever comes last
// frees it.
struct Shared
{
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
    AddressLookup::Result result;
};

} // namespace

AddressLookup::Result AddressLookup::lookUp(const QByteArray &host, int port, const RequestWatchdog &watchdog)
{
    auto shared = std::make_shared<Shared>();
    // Counted, because the C library reads the environment while it looks up.
    std::thread([shared, host, port, counted = BackgroundWork::begin()] {
        Result found;
        found.addresses.reset(httpAddrGetList(host.constData(), AF_UNSPEC, QByteArray::number(port).constData()));
        if (!found.addresses)
            found.reason = QString::fromUtf8(cupsLastErrorString());
        {
            std::lock_guard lock(shared->mutex);
            shared->result = std::move(found);
            shared->finished = true;
        }
        shared->done.notify_all();
    }).detach();

    std::unique_lock lock(shared->mutex);
    while (!shared->finished && !watchdog.hasExpired())
        shared->done.wait_for(
            lock, std::min(std::chrono::milliseconds(watchdog.remainingMilliseconds()), expiryCheckInterval));
    if (!shared->finished)
        return {};
    return std::move(shared->result);
}
