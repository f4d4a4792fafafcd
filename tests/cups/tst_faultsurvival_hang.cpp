// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
// A scheduler that never answers the details requests, and an lpstat that
// never ends. The window model shows what lpstat listed without waiting for
// the scheduler, a move is not held up by it, and abandoning the pending runs
// at exit ends every wait at once, also when the hanging tool has a child
// that keeps its output open. Abandoning cannot be undone, so these cases
// have a process of their own, and it comes last.

#include <BackgroundWork.h>
#include <FakeToolDirectory.h>
#include <JobActionWorkflow.h>
#include <PathOverride.h>
#include <PrintJobsViewModel.h>
#include <ScriptedEndpoint.h>
#include <TestFutures.h>

#include <QElapsedTimer>
#include <QFile>
#include <QScopeGuard>
#include <QTest>
#include <QThreadPool>
#include <QTimer>

#include <csignal>

using namespace Qt::StringLiterals;
using TestFutures::finishes;

namespace {

// lpstat answers at once; only the scheduler behind CUPS_SERVER is stuck.
const QString promptLpstat = uR"(case "$*" in
"-o") echo "Laser-1 alice 1024 Mon 01 Jan 2024 10:00:00"; echo "Laser-2 bob 2048 Mon 01 Jan 2024 10:00:00" ;;
"-a") echo "Laser accepting requests since Mon 01 Jan 2024"; echo "Farbe accepting requests since Mon 01 Jan 2024" ;;
esac)"_s;

constexpr std::chrono::milliseconds detailsLimit {4000};

enum ActionEnd { TimedOut, Refused, TooLarge, Done };

} // namespace

Q_DECLARE_METATYPE(ActionEnd)

class HangingToolTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void stuckSchedulerHoldsUpNeitherTheListsNorAMove_data()
    {
        QTest::addColumn<ScriptedEndpoint::Script>("script");
        QTest::addColumn<QByteArray>("encryption");
        // Whether the details wait until the time limit.
        QTest::addColumn<bool>("stuck");
        // The first job's title once the details are in; none when they were dropped.
        QTest::addColumn<QString>("title");
        using enum ScriptedEndpoint::Script;
        QTest::newRow("426, then silent") << UpgradeThenSilent << QByteArray() << true << QString();
        QTest::newRow("silent during connect") << Silent << QByteArray() << true << QString();
        QTest::newRow("silent during TLS") << Silent << QByteArray("Always") << true << QString();
        QTest::newRow("401") << Unauthorized << QByteArray() << false << QString();
        // A hostile answer is read within a budget: past it, it is dropped
        // unread; within it, it counts.
        QTest::newRow("200,000 jobs") << HugeJobList << QByteArray() << false << QString();
        QTest::newRow("10 MB attribute") << HugeAttribute << QByteArray() << false << u"Bericht 1.pdf"_s;
    }

    void stuckSchedulerHoldsUpNeitherTheListsNorAMove()
    {
        QFETCH(ScriptedEndpoint::Script, script);
        QFETCH(QByteArray, encryption);
        QFETCH(bool, stuck);
        QFETCH(QString, title);
        // The pool as small as on our machines: a stuck request must not take it.
        CUPSService::threadPool()->setMaxThreadCount(2);
        const ScriptedEndpoint endpoint(script);
        QVERIFY(!endpoint.address().isEmpty());
        FakeToolDirectory tools;
        const QString lpstat = tools.addScript(u"lpstat"_s, promptLpstat);
        tools.addScript(u"lpmove"_s, u"exit 0"_s);
        const PathOverride path(tools.path().toLocal8Bit());
        EnvironmentOverride server("CUPS_SERVER", endpoint.address().toLocal8Bit());
        server.set("CUPS_ENCRYPTION", encryption.isEmpty() ? std::nullopt : std::optional(encryption));

        PrintJobsViewModel model {CUPSService(lpstat, detailsLimit)};
        QElapsedTimer clock;
        clock.start();
        const QFuture<void> reload = model.reload()->refresh();
        QTRY_VERIFY(model.selection()->jobCount() == 2 && !model.reload()->isLoading());
        if (stuck)
            QVERIFY2(clock.elapsed() < detailsLimit.count() / 2, qPrintable(QString::number(clock.elapsed())));
        QTRY_VERIFY(endpoint.connections() > 0);

        model.selection()->toggleJobSelectionAt(0);
        model.selection()->setSelectedDestinationID(u"Farbe"_s);
        QVERIFY(model.move()->canRequest());
        const QFuture<void> move = model.move()->moveSelectedJobs();
        QVERIFY(finishes(move));
        QVERIFY(!model.work()->isMoving());
        QVERIFY(model.notices()->notice());
        if (stuck)
            QVERIFY2(!reload.isFinished(), "the details should still wait for the scheduler");

        // At the limit the details are given up: the jobs stay as listed.
        QVERIFY(finishes(reload, int(detailsLimit.count()) + 3000));
        QVERIFY2(clock.elapsed() < detailsLimit.count() + 3000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(model.selection()->jobCount(), 2);
        // The requests themselves end soon after too, on every socket; only a
        // TLS handshake read keeps libcups's own bound of 10 seconds.
        QVERIFY(BackgroundWork::waitUntilIdle(detailsLimit + std::chrono::seconds(11)));
        // The move's reload may still be taking the details in.
        QTRY_COMPARE(model.selection()->jobs().constFirst().title.value_or(QString()), title);
    }

    // A job action waits no longer than one lpmove may, on every socket; a
    // scheduler that wants a login refuses it as it refuses a move. Once the
    // scheduler has left one job without an answer, the jobs after it are not
    // tried: twenty jobs end within one limit, not twenty.
    void stuckSchedulerEndsAJobActionAtItsLimit_data()
    {
        QTest::addColumn<ScriptedEndpoint::Script>("script");
        QTest::addColumn<QByteArray>("encryption");
        QTest::addColumn<ActionEnd>("actionEnd");
        QTest::addColumn<int>("jobCount");
        using enum ScriptedEndpoint::Script;
        QTest::newRow("426, then silent") << UpgradeThenSilent << QByteArray() << TimedOut << 1;
        QTest::newRow("silent during connect") << Silent << QByteArray() << TimedOut << 1;
        QTest::newRow("silent during TLS") << Silent << QByteArray("Always") << TimedOut << 1;
        QTest::newRow("401") << Unauthorized << QByteArray() << Refused << 1;
        QTest::newRow("silent: the jobs after the first are not tried") << Silent << QByteArray() << TimedOut << 20;
        QTest::newRow("401: a refusal stops nothing") << Unauthorized << QByteArray() << Refused << 20;
        // A hostile answer is read within a budget: past it, it is dropped
        // unread; within it, it counts.
        QTest::newRow("200,000 jobs") << HugeJobList << QByteArray() << TooLarge << 1;
        QTest::newRow("10 MB attribute") << HugeAttribute << QByteArray() << Done << 1;
    }

    void stuckSchedulerEndsAJobActionAtItsLimit()
    {
        QFETCH(ScriptedEndpoint::Script, script);
        QFETCH(QByteArray, encryption);
        QFETCH(ActionEnd, actionEnd);
        QFETCH(int, jobCount);
        const bool stuck = actionEnd == TimedOut;
        const ScriptedEndpoint endpoint(script);
        QVERIFY(!endpoint.address().isEmpty());
        EnvironmentOverride server("CUPS_SERVER", endpoint.address().toLocal8Bit());
        server.set("CUPS_ENCRYPTION", encryption.isEmpty() ? std::nullopt : std::optional(encryption));
        const CUPSService service(CUPSService::systemLpstatURL, CUPSService::defaultListingTimeLimit, detailsLimit);
        QList<PrintJob> jobs;
        for (int number = 1; number <= jobCount; ++number)
            jobs.append(PrintJob {u"Laser-"_s + QString::number(number), u"Laser"_s, {}, {}});

        QElapsedTimer clock;
        clock.start();
        const QFuture<JobActionOutcome> acted = JobActionWorkflow::run(service, jobs, JobAction::Hold);
        QVERIFY(QTest::qWaitFor([&acted] { return acted.isFinished(); }, int(detailsLimit.count()) + 3000));
        QVERIFY2(clock.elapsed() < detailsLimit.count() + 3000, qPrintable(QString::number(clock.elapsed())));
        const JobActionOutcome outcome = acted.result();
        QCOMPARE(outcome.done.size(), actionEnd == Done ? jobCount : 0);
        QCOMPARE(outcome.failures.size(), actionEnd == Done ? 0 : jobCount);
        if (actionEnd != Done) {
            const WorkflowError &first = outcome.failures.constFirst().second;
            QVERIFY(first.serviceError());
            if (stuck) {
                QCOMPARE(first.serviceError()->kind(), CUPSServiceError::Kind::TimedOut);
                QCOMPARE(first.description(),
                         u"Das Anhalten des Auftrags Laser-1 hat nach 4 Sekunden nicht geendet "
                         u"und wurde abgebrochen."_s);
            } else if (actionEnd == Refused) {
                QVERIFY(first.serviceError()->isPermissionRefusal());
                // Each job was asked about, and refused.
                QVERIFY(endpoint.connections() >= jobCount);
            } else {
                // Dropped at the budget; a machine too slow to read 16 MB
                // within the limit stops at the limit instead. Never more.
                QVERIFY(!first.serviceError()->isPermissionRefusal());
                const bool dropped = first.description().contains(u"größer als 16 MB"_s);
                QVERIFY2(dropped || first.serviceError()->kind() == CUPSServiceError::Kind::TimedOut,
                         qPrintable(first.description()));
            }
            for (const auto &[job, error] : outcome.failures.sliced(1)) {
                if (stuck) {
                    QCOMPARE(error.description(), u"Nicht versucht: Der CUPS-Dienst hat zuvor nicht geantwortet."_s);
                    QCOMPARE(error.recoverySuggestion(), first.recoverySuggestion());
                } else {
                    QVERIFY(error.serviceError() && error.serviceError()->isPermissionRefusal());
                }
            }
        }
        if (stuck && jobCount > 1)
            QCOMPARE(endpoint.connections(), 1);
        // The request itself ends soon after, on every socket.
        QVERIFY(BackgroundWork::waitUntilIdle(detailsLimit + std::chrono::seconds(11)));
    }

    void hangingLpstatKeepsTheModelResponsiveAndEndsAtExit()
    {
        // Room for all six listings at once, so each of them really hangs.
        CUPSService::threadPool()->setMaxThreadCount(6);
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
        // And one whose lpstat answers while the scheduler never does.
        const ScriptedEndpoint silent(ScriptedEndpoint::Script::Silent);
        const EnvironmentOverride server("CUPS_SERVER", silent.address().toLocal8Bit());
        PrintJobsViewModel stuckDetails {CUPSService(tools.addScript(u"lpstat-prompt"_s, promptLpstat))};
        const QList<QFuture<void>> reloads {plain.reload()->refresh(), withChild.reload()->refresh(),
                                            stuckDetails.reload()->refresh()};

        int ticks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, this, [&ticks] { ++ticks; });
        ticker.start(20);
        // The event loop keeps turning while every listing hangs; a busy
        // machine only makes it take longer.
        QTRY_VERIFY_WITH_TIMEOUT(ticks >= 20, 20'000);
        for (const PrintJobsViewModel *model : {&plain, &withChild}) {
            QVERIFY(model->reload()->isLoading());
            QCOMPARE(model->notices()->statusText(), u"Bereit zum Laden der CUPS-Aufträge."_s);
        }
        QVERIFY(!reloads[0].isFinished() && !reloads[1].isFinished() && !reloads[2].isFinished());
        QTRY_COMPARE(stuckDetails.selection()->jobCount(), 2);
        // A second reload is refused at once instead of queueing behind the hang.
        QVERIFY(plain.reload()->refresh().isFinished());

        QElapsedTimer clock;
        clock.start();
        CUPSService::abandonPendingRuns();
        for (const QFuture<void> &reload : reloads)
            QVERIFY(QTest::qWaitFor([&reload] { return reload.isFinished(); }, 10'000));
        QVERIFY(CUPSService::threadPool()->waitForDone(10'000));
        const qint64 elapsed = clock.elapsed();
        QVERIFY2(elapsed < 2000, qPrintable(QString::number(elapsed)));

        // Killed, the listing has failed: the model says so and is idle.
        for (const PrintJobsViewModel *model : {&plain, &withChild}) {
            QVERIFY(!model->reload()->isLoading());
            QVERIFY(!model->work()->isMoving());
            QVERIFY(model->notices()->notice());
            QCOMPARE(model->notices()->notice()->title, u"CUPS nicht verfügbar"_s);
            QVERIFY2(model->notices()->notice()->message.startsWith(u"lpstat -o ist mit Status "_s),
                     qPrintable(model->notices()->notice()->message));
            QCOMPARE(model->notices()->statusText(), u"CUPS-Daten konnten nicht geladen werden."_s);
        }
    }
};

QTEST_GUILESS_MAIN(HangingToolTest)
#include "tst_faultsurvival_hang.moc"
