// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
// What a reload costs the service with the real lpstat on a private scheduler
// holding 1,000 and then 10,000 held jobs in 20 queues: listJobs() and
// listPrinters() started together, as the reload starts them, until both have
// ended; and the same driven through the window model, whose refresh also
// shows the lists and then their details. Each iteration also times the floor
// on the same scheduler, the bare `lpstat -o` followed by `lpstat -l -o`, so
// the ratio compares like with like even when the machine is busy.

#include "BenchSupport.h"

#include <CUPSService.h>
#include <PrintJobsViewModel.h>
#include <PrivateCupsServer.h>
#include <SchedulerDetails.h>

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

#include <cstdio>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

constexpr int queueCount = 20;

QString queueName(int index)
{
    return u"Etage%1-Laser"_s.arg(index % queueCount + 1);
}

double runSeconds(const QString &program, const QStringList &arguments)
{
    QElapsedTimer timer;
    timer.start();
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(-1);
    process.readAllStandardOutput();
    return timer.nsecsElapsed() / 1e9;
}

QString benchDocument;
int submittedJobs = 0;

// Jobs are only ever added, so each size is measured on a scheduler that
// holds exactly that many.
bool holdJobs(benchmark::State &state)
{
    if (submittedJobs < state.range(0)) {
        if (!BenchSupport::submitHeldJobs(submittedJobs, int(state.range(0)) - submittedJobs, benchDocument,
                                          queueName)) {
            state.SkipWithError(cupsLastErrorString());
            return false;
        }
        submittedJobs = int(state.range(0));
    }
    return true;
}

// Times `reloadOnce` against the floor, both in every iteration. It returns
// whether it listed every job with its title.
template<typename Reload> void timeAgainstFloor(benchmark::State &state, Reload reloadOnce)
{
    double floorSeconds = 0;
    double reloadSeconds = 0;
    for (auto _ : state) {
        const double floor = runSeconds(CUPSService::systemLpstatURL, {u"-o"_s})
            + runSeconds(CUPSService::systemLpstatURL, {u"-l"_s, u"-o"_s});

        QElapsedTimer timer;
        timer.start();
        const bool complete = reloadOnce();
        const double elapsed = timer.nsecsElapsed() / 1e9;
        if (!complete) {
            state.SkipWithError("the reload did not list every job with its title");
            break;
        }
        state.SetIterationTime(elapsed);
        floorSeconds += floor;
        reloadSeconds += elapsed;
    }
    state.counters["floor_ms"] = benchmark::Counter(floorSeconds * 1000, benchmark::Counter::kAvgIterations);
    state.counters["ratio"] = floorSeconds > 0 ? reloadSeconds / floorSeconds : 0;
}

void reload(benchmark::State &state)
{
    if (!holdJobs(state))
        return;
    const CUPSService service;
    timeAgainstFloor(state, [&service, &state] {
        QFuture<CUPSResult<QList<PrintJob>>> jobs = service.listJobs();
        QFuture<CUPSResult<QList<Printer>>> printers = service.listPrinters();
        jobs.waitForFinished();
        printers.waitForFinished();
        return jobs.result() && jobs.result()->size() == state.range(0) && jobs.result()->constFirst().title;
    });
}

// The window model's refresh, from the click to the lists with their details;
// its steps come back to this thread, which runs the event loop meanwhile.
void modelRefresh(benchmark::State &state)
{
    if (!holdJobs(state))
        return;
    PrintJobsViewModel model;
    timeAgainstFloor(state, [&model, &state] {
        const QFuture<void> refreshed = model.reload()->refresh();
        while (!refreshed.isFinished())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        const QList<PrintJob> jobs = model.selection()->jobs();
        return jobs.size() == state.range(0) && jobs.constFirst().title;
    });
}

// The parts, to see where a reload's time goes.
void jobListingAlone(benchmark::State &state)
{
    const CUPSService service;
    for (auto _ : state)
        benchmark::DoNotOptimize(service.listJobs().result());
}

void detailsRequestAlone(benchmark::State &state)
{
    const std::atomic_bool abandoned = false;
    for (auto _ : state)
        benchmark::DoNotOptimize(SchedulerDetails(CUPSService::defaultListingTimeLimit, abandoned).jobs());
}

void detailedListingAlone(benchmark::State &state)
{
    for (auto _ : state)
        runSeconds(CUPSService::systemLpstatURL, {u"-l"_s, u"-o"_s});
}

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    QCoreApplication app(argc, argv);

    const std::optional<BenchSupport::Scheduler> scheduler
        = BenchSupport::startScheduler(queueCount, queueName, "reload_bench");
    if (!scheduler)
        return 1;
    benchDocument = scheduler->document;
    // Both ways at one size before the scheduler is filled up to the next.
    for (const int jobs : {1'000, 10'000}) {
        for (const auto &[name, function] :
             {std::pair {"reload/list_jobs_and_printers", &reload}, std::pair {"reload/model_refresh", &modelRefresh}})
            benchmark::RegisterBenchmark(name, function)
                ->Arg(jobs)
                ->UseManualTime()
                ->Unit(benchmark::kMillisecond)
                ->Iterations(jobs < 10'000 ? 20 : 5);
    }
    for (const auto &[name, function] : {std::pair {"reload/parts/list_jobs", &jobListingAlone},
                                         std::pair {"reload/parts/details_request", &detailsRequestAlone},
                                         std::pair {"reload/parts/lpstat_l_o", &detailedListingAlone}})
        benchmark::RegisterBenchmark(name, function)->Unit(benchmark::kMillisecond)->Iterations(5);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
