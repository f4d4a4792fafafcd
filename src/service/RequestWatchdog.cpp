// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "RequestWatchdog.h"

#include <algorithm>
#include <chrono>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// How often a waiting request looks whether the program is ending.
constexpr std::chrono::milliseconds abandonCheckInterval {100};

} // namespace

RequestWatchdog::RequestWatchdog(QDeadlineTimer deadline, const std::atomic_bool &abandoned)
    : m_deadline(deadline)
    , m_abandoned(abandoned)
    , m_thread([this](std::stop_token finished) { run(std::move(finished)); })
{ }

RequestWatchdog::~RequestWatchdog()
{
    m_thread.request_stop();
    m_thread.join();
    if (m_watched >= 0)
        ::close(m_watched);
}

void RequestWatchdog::watch(int socket)
{
    std::lock_guard lock(m_mutex);
    if (m_watched >= 0)
        ::close(m_watched);
    // Close-on-exec, so tools started meanwhile never inherit the connection.
    m_watched = socket >= 0 ? ::fcntl(socket, F_DUPFD_CLOEXEC, 0) : -1;
    if (m_expired && m_watched >= 0)
        ::shutdown(m_watched, SHUT_RDWR);
}

bool RequestWatchdog::hasExpired() const
{
    return m_abandoned || m_deadline.hasExpired();
}

int RequestWatchdog::remainingMilliseconds() const
{
    return int(std::max<qint64>(m_deadline.remainingTime(), 1));
}

void RequestWatchdog::expire()
{
    std::lock_guard lock(m_mutex);
    m_expired = true;
    std::atomic_ref(m_cancel).store(1);
    if (m_watched >= 0)
        ::shutdown(m_watched, SHUT_RDWR);
}

void RequestWatchdog::run(std::stop_token finished)
{
    std::unique_lock lock(m_mutex);
    while (!finished.stop_requested()) {
        if (hasExpired()) {
            lock.unlock();
            expire();
            return;
        }
        const auto remaining = std::chrono::milliseconds(m_deadline.remainingTime());
        m_wake.wait_for(lock, finished, std::min(remaining, abandonCheckInterval), [] { return false; });
    }
}
