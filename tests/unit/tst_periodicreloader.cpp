// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
// The periodic reload: at once, then one period after each reload has
// finished, and nothing more once stopped. Timed against fake lpstat runs
// that log when they start and end.

#include <FakeCupsTools.h>
#include <PeriodicReloader.h>
#include <PrintJobsViewModel.h>
#include <PrintJobsViewModelTestAccess.h>
#include <TestRecords.h>
#include <TestTables.h>

#include <QDateTime>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

constexpr int period = 300; // ms
constexpr double tolerance = 0.02; // s, for the clock reads of the scripts
constexpr double lateAllowed = 2.0; // s, a busy machine may start a run that much late

double now()
{
    return double(QDateTime::currentMSecsSinceEpoch()) / 1000;
}

struct Reload
{
    double start = 0;
    double end = 0;
};

// Each reload runs "-o" and "-a" (and "-l -o" when there are jobs); the k-th
// call of each belongs to the k-th reload.
QList<Reload> reloads(const FakeCupsTools &tools)
{
    const QList<FakeCupsTools::Call> jobs = tools.calls(u"lpstat"_s, {u"-o"_s});
    const QList<FakeCupsTools::Call> printers = tools.calls(u"lpstat"_s, {u"-a"_s});
    const QList<FakeCupsTools::Call> details = tools.calls(u"lpstat"_s, {u"-l"_s, u"-o"_s});
    QList<Reload> result;
    for (qsizetype k = 0; k < jobs.size() && k < printers.size(); ++k) {
        Reload reload {std::min(jobs[k].start, printers[k].start), std::max(jobs[k].end, printers[k].end)};
        if (k < details.size())
            reload.end = std::max(reload.end, details[k].end);
        if (jobs[k].end == 0 || printers[k].end == 0)
            reload.end = 0;
        result.append(reload);
    }
    return result;
}

void listSomething(FakeCupsTools &tools)
{
    tools.setJobLines({u"A-1 anna 1024"_s});
    tools.setPrinterNames({u"A"_s, u"B"_s});
    tools.delayListing(u"-a"_s, 0.15);
}

} // namespace

class PeriodicReloaderTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void reloadsAtOnceThenOnePeriodAfterEach()
    {
        FakeCupsTools tools;
        listSomething(tools);
        PrintJobsViewModel model {CUPSService(tools.lpstatPath())};
        PeriodicReloader reloader;
        reloader.setViewModel(&model);
        reloader.setInterval(period);

        const double started = now();
        reloader.start();
        QVERIFY(model.reload()->isLoading());
        QVERIFY(QTest::qWaitFor([&] { return reloads(tools).size() >= 3 && reloads(tools)[2].end > 0; }, 20'000));
        reloader.stop();

        const QList<Reload> runs = reloads(tools);
        QVERIFY2(runs[0].start - started < lateAllowed, "the first reload did not start at once");
        for (qsizetype k = 1; k < 3; ++k) {
            const double gap = runs[k].start - runs[k - 1].end;
            QVERIFY2(gap >= period / 1000.0 - tolerance,
                     qPrintable(u"reload %1 began %2 s after the previous one ended"_s.arg(k).arg(gap)));
            QVERIFY2(gap < period / 1000.0 + lateAllowed, qPrintable(u"reload %1 came %2 s late"_s.arg(k).arg(gap)));
        }
    }

    void stoppingEndsTheLoop_data()
    {
        QTest::addColumn<bool>("whileReloading");
        QTest::addColumn<bool>("destroy");
        QTest::newRow("stopped while waiting") << false << false;
        QTest::newRow("destroyed while waiting") << false << true;
        QTest::newRow("stopped while reloading") << true << false;
        QTest::newRow("destroyed while reloading") << true << true;
    }

    void stoppingEndsTheLoop()
    {
        QFETCH(bool, whileReloading);
        QFETCH(bool, destroy);

        FakeCupsTools tools;
        listSomething(tools);
        PrintJobsViewModel model {CUPSService(tools.lpstatPath())};
        auto reloader = std::make_unique<PeriodicReloader>();
        reloader->setViewModel(&model);
        reloader->setInterval(period);
        reloader->start();
        if (whileReloading)
            QVERIFY(QTest::qWaitFor([&] { return !tools.calls(u"lpstat"_s).isEmpty(); }, 20'000));
        else
            QVERIFY(QTest::qWaitFor([&] { return !model.reload()->isLoading(); }, 20'000));

        if (destroy)
            reloader.reset();
        else
            reloader->stop();

        // The reload under way ends; none follows. Only a pause can show that
        // nothing starts: several periods after the end.
        QVERIFY(
            QTest::qWaitFor([&] { return !model.reload()->isLoading() && reloads(tools).value(0).end > 0; }, 20'000));
        QTest::qWait(4 * period);
        QVERIFY(!model.reload()->isLoading());
        QCOMPARE(reloads(tools).size(), 1);
        QVERIFY(reloads(tools)[0].end > 0);
    }

    // A move refuses the reload; the move confirmation holds it back until it closes.
    void refusedReloadKeepsTheLoopGoing_data()
    {
        TestTables::addBothWays("confirmation", "moving", "confirmation open");
    }

    void refusedReloadKeepsTheLoopGoing()
    {
        QFETCH(bool, confirmation);
        FakeCupsTools tools;
        listSomething(tools);
        PrintJobsViewModel model {CUPSService(tools.lpstatPath())};
        using Access = PrintJobsViewModelTestAccess;
        Access::load(model, TestRecords::jobs({u"A-1"_s}), TestRecords::printers({u"A"_s, u"B"_s}));
        model.selection()->toggleJobSelection(TestRecords::jobs({u"A-1"_s}).first());
        model.selection()->setSelectedDestinationID(u"B"_s);
        const auto hold = [&](bool held) {
            if (confirmation && held)
                model.move()->requestConfirmation();
            else if (confirmation)
                model.move()->question()->dismiss();
            else if (held)
                Access::startHeldWork(model, 1);
            else
                Access::endHeldWork(model);
        };
        hold(true);
        PeriodicReloader reloader;
        reloader.setViewModel(&model);
        // Behind the confirmation the loop waits for its closing, not for a
        // period: one longer than the test leaves the closing as the only
        // way to the reload, however slowly the machine starts it.
        reloader.setInterval(confirmation ? 3'600'000 : period);
        reloader.start();

        // Nothing runs while held; only a pause can show that.
        QTest::qWait(2 * period);
        QVERIFY(tools.calls().isEmpty());
        const double released = now();
        hold(false);
        QVERIFY(QTest::qWaitFor([&] { return !tools.calls().isEmpty(); }, 20'000));
        if (confirmation)
            QVERIFY2(tools.calls().first().start - released < lateAllowed,
                     "the reload held back by the confirmation did not follow its closing");
        reloader.stop();
    }
};

QTEST_GUILESS_MAIN(PeriodicReloaderTest)
#include "tst_periodicreloader.moc"
