// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
// An lpstat that never ends. The window model waits without blocking the
// event loop, and abandoning the pending runs at exit ends the wait at once,
// also when the hanging tool has a child that keeps its output open.
// Abandoning cannot be undone, so this case has a process of its own.

#include <FakeToolDirectory.h>
#include <PrintJobsViewModel.h>

#include <QElapsedTimer>
#include <QFile>
#include <QScopeGuard>
#include <QTest>
#include <QThreadPool>
#include <QTimer>

#include <csignal>

using namespace Qt::StringLiterals;

class HangingToolTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void hangingLpstatKeepsTheModelResponsiveAndEndsAtExit()
    {
        // Room for all four listings at once, so each of them really hangs.
        QThreadPool::globalInstance()->setMaxThreadCount(4);
        FakeToolDirectory tools;
        const QString hangingItself = tools.addScript(u"lpstat"_s, u"exec sleep 600"_s);
        const QString hangingChild = tools.addScript(u"lpstat-with-child"_s,
                                                     u"sleep 600 &\necho $! >> \"$(dirname \"$0\")/children\"\nwait"_s);
        // The grandchildren are no runs of ours and would sleep on; end them by their pids.
        const auto endGrandchildren = qScopeGuard([&tools] {
            QFile children(tools.filePath(u"children"_s));
            if (!children.open(QIODevice::ReadOnly))
                return;
            for (const QByteArray &pid : children.readAll().split('\n')) {
                if (pid.toInt() > 0)
                    ::kill(pid.toInt(), SIGKILL);
            }
        });
        PrintJobsViewModel plain {CUPSService(hangingItself)};
        PrintJobsViewModel withChild {CUPSService(hangingChild)};
        const QList<QFuture<void>> reloads {plain.refresh(), withChild.refresh()};

        int ticks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, this, [&ticks] { ++ticks; });
        ticker.start(20);
        QTest::qWait(1000);
        QVERIFY2(ticks >= 20, qPrintable(QString::number(ticks)));
        for (const PrintJobsViewModel *model : {&plain, &withChild}) {
            QVERIFY(model->isLoading());
            QCOMPARE(model->statusText(), u"Bereit zum Laden der CUPS-Aufträge."_s);
        }
        QVERIFY(!reloads[0].isFinished() && !reloads[1].isFinished());
        // A second reload is refused at once instead of queueing behind the hang.
        QVERIFY(plain.refresh().isFinished());

        QElapsedTimer clock;
        clock.start();
        CUPSService::abandonPendingRuns();
        for (const QFuture<void> &reload : reloads)
            QVERIFY(QTest::qWaitFor([&reload] { return reload.isFinished(); }, 10'000));
        QVERIFY(QThreadPool::globalInstance()->waitForDone(10'000));
        const qint64 elapsed = clock.elapsed();
        QVERIFY2(elapsed < 2000, qPrintable(QString::number(elapsed)));

        // Killed, the listing has failed: the model says so and is idle.
        for (const PrintJobsViewModel *model : {&plain, &withChild}) {
            QVERIFY(!model->isLoading());
            QVERIFY(!model->isMoving());
            QVERIFY(model->notice());
            QCOMPARE(model->notice()->title, u"CUPS nicht verfügbar"_s);
            QVERIFY2(model->notice()->message.startsWith(u"lpstat -o ist mit Status "_s),
                     qPrintable(model->notice()->message));
            QCOMPARE(model->statusText(), u"CUPS-Daten konnten nicht geladen werden."_s);
        }
    }
};

QTEST_GUILESS_MAIN(HangingToolTest)
#include "tst_faultsurvival_hang.moc"
