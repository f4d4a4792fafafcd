// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include <PrivateCupsServer.h>

#include <QAccessible>
#include <QObject>
#include <QStringList>

// What the window tests share: the platform prepared as the program prepares
// it, every QML warning counted as a failure, and a private scheduler of the
// test's own. Until the scheduler is started, the tools a test runs reach no
// CUPS at all.
class UiTestCase : public QObject
{
    Q_OBJECT

public:
    // QTEST_MAIN calls it before it creates the application.
    static void initMain();

protected:
    // With queues, the scheduler runs with them for the whole test; with job
    // queues, each test function starts with exactly those waiting jobs (see
    // submitJobs()).
    explicit UiTestCase(const QStringList &queues = {}, const QStringList &jobQueues = {});

    // Replaces every waiting job of the scheduler by held jobs in these
    // queues; m_jobs then holds their identifiers in listing order. On failure
    // m_server.lastError() says why.
    bool submitJobs(const QStringList &queues);

    PrivateCupsServer m_server;
    QStringList m_jobs;

protected Q_SLOTS:
    void initTestCase();
    void init();

private:
    QStringList m_queues;
    QStringList m_jobQueues;
};

// While it lives, accessibility is on, as while a screen reader runs: only
// then do Qt's controls name themselves after their text.
class ScreenReaderRunning
{
public:
    ScreenReaderRunning() { QAccessible::setActive(true); }
    ~ScreenReaderRunning() { QAccessible::setActive(false); }
    Q_DISABLE_COPY_MOVE(ScreenReaderRunning)
};
