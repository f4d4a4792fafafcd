// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "BootClockTimer.h"
#include "PrintJobsViewModel.h"

#include <QObject>
#include <QPointer>
#include <QQmlParserStatus>
#include <QtQml/qqmlregistration.h>

// Keeps a window's lists current: while running it reloads the model at once,
// then `interval` milliseconds after each reload has finished, counting time
// the machine sleeps; a reload that falls due while the move confirmation is
// open waits until it closes. Stopping (or destroying it) ends a pending wait
// at once and starts no further reload; a reload already under way runs to
// its end.
class PeriodicReloader
    : public QObject
    , public QQmlParserStatus
{
    Q_OBJECT
    QML_ELEMENT
    Q_INTERFACES(QQmlParserStatus)

    Q_PROPERTY(PrintJobsViewModel *viewModel READ viewModel WRITE setViewModel NOTIFY viewModelChanged FINAL)
    Q_PROPERTY(bool running READ isRunning WRITE setRunning NOTIFY runningChanged FINAL)
    Q_PROPERTY(int interval READ interval WRITE setInterval NOTIFY intervalChanged FINAL)

public:
    static constexpr int defaultInterval = 15'000;

    explicit PeriodicReloader(QObject *parent = nullptr);
    ~PeriodicReloader() override;

    PrintJobsViewModel *viewModel() const;
    void setViewModel(PrintJobsViewModel *model);
    bool isRunning() const { return m_running; }
    void setRunning(bool running);
    int interval() const { return m_interval; }
    void setInterval(int milliseconds);

    // The same as setting `running`.
    Q_INVOKABLE void start() { setRunning(true); }
    Q_INVOKABLE void stop() { setRunning(false); }

    void classBegin() override;
    void componentComplete() override;

Q_SIGNALS:
    void viewModelChanged();
    void runningChanged();
    void intervalChanged();

private:
    bool shouldRun() const;
    // Starts or ends the loop to match the properties.
    void update();
    void reload();

    QPointer<PrintJobsViewModel> m_model;
    bool m_running = false;
    int m_interval = defaultInterval;
    bool m_complete = true;
    bool m_looping = false;
    // Tells a reload of an ended loop from one of the current loop.
    quint64 m_loop = 0;
    BootClockTimer m_timer;
    // Set while a due reload waits for the move confirmation to close.
    QMetaObject::Connection m_confirmationWait;
};
