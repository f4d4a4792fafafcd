// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "BootClockTimer.h"

#include <QSocketNotifier>
#include <QTimer>

#ifdef Q_OS_LINUX
#include <sys/timerfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#endif

BootClockTimer::BootClockTimer(QObject *parent)
    : QObject(parent)
{
#ifdef Q_OS_LINUX
    m_fd = ::timerfd_create(CLOCK_BOOTTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (m_fd >= 0) {
        m_notifier = std::make_unique<QSocketNotifier>(m_fd, QSocketNotifier::Read);
        m_notifier->setEnabled(false);
        connect(m_notifier.get(), &QSocketNotifier::activated, this, [this] {
            std::uint64_t expirations = 0;
            ssize_t bytes = 0;
            do {
                bytes = ::read(m_fd, &expirations, sizeof expirations);
            } while (bytes < 0 && errno == EINTR);
            // Nothing to read means the wait was re-armed or stopped meanwhile.
            if (bytes == sizeof expirations && expirations > 0)
                expire();
        });
        return;
    }
#endif
    m_fallback = std::make_unique<QTimer>();
    m_fallback->setSingleShot(true);
    m_fallback->setTimerType(Qt::PreciseTimer);
    connect(m_fallback.get(), &QTimer::timeout, this, &BootClockTimer::expire);
}

BootClockTimer::~BootClockTimer()
{
    m_notifier.reset();
#ifdef Q_OS_LINUX
    if (m_fd >= 0)
        ::close(m_fd);
#endif
}

void BootClockTimer::start(int milliseconds)
{
    m_active = true;
#ifdef Q_OS_LINUX
    if (m_fd >= 0) {
        // An all-zero it_value would disarm the timer; a zero wait is 1 ns.
        const qint64 nanoseconds = std::max<qint64>(1, qint64(std::max(milliseconds, 0)) * 1'000'000);
        itimerspec expiry {};
        expiry.it_value.tv_sec = nanoseconds / 1'000'000'000;
        expiry.it_value.tv_nsec = nanoseconds % 1'000'000'000;
        ::timerfd_settime(m_fd, 0, &expiry, nullptr);
        m_notifier->setEnabled(true);
        return;
    }
#endif
    m_fallback->start(std::max(milliseconds, 0));
}

void BootClockTimer::stop()
{
    m_active = false;
#ifdef Q_OS_LINUX
    if (m_fd >= 0) {
        const itimerspec disarmed {};
        ::timerfd_settime(m_fd, 0, &disarmed, nullptr);
        // Drop an expiry that was already counted but not yet read.
        std::uint64_t expirations = 0;
        while (::read(m_fd, &expirations, sizeof expirations) < 0 && errno == EINTR) { }
        m_notifier->setEnabled(false);
        return;
    }
#endif
    m_fallback->stop();
}

bool BootClockTimer::isActive() const
{
    return m_active;
}

void BootClockTimer::expire()
{
    if (!m_active)
        return;
    m_active = false;
    if (m_notifier)
        m_notifier->setEnabled(false);
    Q_EMIT timeout();
}
