// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <memory>

class QSocketNotifier;
class QTimer;

// A single-shot timer whose wait counts the time the machine spends asleep, so
// that a period started before a suspend is over when that much wall time has
// passed. On Linux a timerfd on CLOCK_BOOTTIME; elsewhere a precise QTimer on
// the monotonic clock. Nothing is shortened or stretched for coalescing.
class BootClockTimer : public QObject
{
    Q_OBJECT

public:
    explicit BootClockTimer(QObject *parent = nullptr);
    ~BootClockTimer() override;

    // (Re)starts the wait; a pending one is dropped.
    void start(int milliseconds);
    // Ends a pending wait at once without timeout().
    void stop();
    bool isActive() const;

Q_SIGNALS:
    void timeout();

private:
    void expire();

    int m_fd = -1;
    bool m_active = false;
    std::unique_ptr<QSocketNotifier> m_notifier;
    std::unique_ptr<QTimer> m_fallback;
};
