// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "UiTestCase.h"

#include <UiEnvironment.h>

#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

void UiTestCase::initMain()
{
    UiEnvironment::prepare();
}

UiTestCase::UiTestCase(const QStringList &queues, const QStringList &jobQueues)
    : m_queues(queues)
    , m_jobQueues(jobQueues)
{ }

void UiTestCase::initTestCase()
{
    if (!m_queues.isEmpty())
        QVERIFY2(m_server.start(m_queues), qPrintable(m_server.lastError()));
}

void UiTestCase::init()
{
    // A QML warning is a fault of the window.
    QTest::failOnWarning(QRegularExpression(u".*"_s));
    if (!m_jobQueues.isEmpty())
        QVERIFY2(submitJobs(m_jobQueues), qPrintable(m_server.lastError()));
}

bool UiTestCase::submitJobs(const QStringList &queues)
{
    const std::optional<QStringList> listed = m_server.replaceJobs(queues);
    if (!listed)
        return false;
    m_jobs = *listed;
    return true;
}
