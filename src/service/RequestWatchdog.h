// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include <QDeadlineTimer>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

// Ends the network waits of one libcups request once its deadline has passed
// or the program is ending: a connect in progress through libcups's cancel
// flag, a blocked read or write by shutting its socket down, which makes
// libcups's wait return at once and the request fail.
//
// libcups may open a new socket for the same connection; the request tells
// the watchdog about each one with watch(), from its own thread, right after
// libcups has opened it, so the socket watched is always the one in use.
//
// Works on a duplicate of the socket: should libcups close it meanwhile and
// its number be reused, the shutdown still only reaches that connection.
class RequestWatchdog
{
public:
    RequestWatchdog(QDeadlineTimer deadline, const std::atomic_bool &abandoned);
    ~RequestWatchdog();
    RequestWatchdog(const RequestWatchdog &) = delete;
    RequestWatchdog &operator=(const RequestWatchdog &) = delete;

    // For httpReconnect2(): turns non-zero when the connect must give up.
    int *cancelFlag() { return &m_cancel; }
    // Watches `socket` from now on instead of the one before.
    void watch(int socket);
    // Whether the request has run out of time (or the program is ending).
    bool hasExpired() const;
    // What is left of the time limit, at least 1 ms (0 means "no limit" to libcups).
    int remainingMilliseconds() const;

private:
    void run(std::stop_token finished);
    void expire();

    const QDeadlineTimer m_deadline;
    const std::atomic_bool &m_abandoned;
    // libcups reads it as a plain int while connecting; written through std::atomic_ref.
    int m_cancel = 0;
    std::mutex m_mutex;
    std::condition_variable_any m_wake;
    int m_watched = -1;
    bool m_expired = false;
    std::jthread m_thread;
};
