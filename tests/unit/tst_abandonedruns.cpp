// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include <CUPSService.h>
#include <CUPSServiceTestAccess.h>
#include <FakeToolDirectory.h>

#include <QElapsedTimer>
#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

// Abandoning is for program exit and cannot be undone, so it has a process of its own.
class AbandonedRunsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void hangingToolDoesNotOutliveTheProgram()
    {
        FakeToolDirectory tools;
        const QString hanging = tools.addScript(u"lpstat"_s, u"touch \"$(dirname \"$0\")/started\"\nexec sleep 600"_s);
        QFuture<CUPSResult<CommandResult>> pending = CUPSServiceTestAccess::run(hanging, {u"-o"_s});
        // Abandoned once it really runs, not while it is still being started.
        QTRY_VERIFY(QFile::exists(tools.filePath(u"started"_s)));
        QVERIFY(!pending.isFinished());

        QElapsedTimer clock;
        clock.start();
        CUPSService::abandonPendingRuns();
        pending.waitForFinished();
        QVERIFY(clock.elapsed() < 5000);
        QVERIFY(pending.result().has_value());
        QVERIFY(!CUPSServiceTestAccess::validate(*pending.result(), u"lpstat -o"_s));

        const CUPSResult<CommandResult> later = CUPSServiceTestAccess::runBlocking(hanging, {});
        QCOMPARE(later.error().kind(), CUPSServiceError::Kind::LaunchFailed);
    }
};

QTEST_GUILESS_MAIN(AbandonedRunsTest)
#include "tst_abandonedruns.moc"
