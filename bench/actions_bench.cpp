// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
// What holding, releasing and cancelling 1,000 jobs costs through
// CUPSService::actOnJob, one job after the other as the window asks, against
// the floor on the same private scheduler in the same iteration: one run of
// `lp -i ID -H hold`, `lp -i ID -H resume` or `cancel ID` per job. The queues
// are stopped, so a released job keeps waiting instead of printing.

#include "BenchSupport.h"

#include <CUPSService.h>
#include <PrivateCupsServer.h>

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>

#include <functional>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

constexpr int queueCount = 20;
constexpr int jobCount = 1'000;

QString queueName(int index)
{
    return u"Etage%1-Laser"_s.arg(index % queueCount + 1);
}

BenchSupport::Scheduler *scheduler = nullptr;
int submittedJobs = 0;

// 1,000 fresh held jobs, as lpstat -o lists them.
std::optional<QList<PrintJob>> freshHeldJobs()
{
    if (!BenchSupport::submitHeldJobs(submittedJobs, jobCount, scheduler->document, queueName))
        return std::nullopt;
    submittedJobs += jobCount;
    const CUPSResult<QList<PrintJob>> listed = CUPSService().listJobsAsListed().result();
    if (!listed)
        return std::nullopt;
    return listed->mid(listed->size() - jobCount);
}

// Seconds for acting on every job in turn; false when one failed.
bool actOnEach(const QList<PrintJob> &jobs, JobAction action, double &seconds)
{
    const CUPSService service;
    QElapsedTimer timer;
    timer.start();
    for (const PrintJob &job : jobs) {
        if (!service.actOnJob(job, action).result())
            return false;
    }
    seconds = timer.nsecsElapsed() / 1e9;
    return true;
}

// Seconds for one run of the tool per job, the job's identifier last; false
// when one run failed.
bool runForEach(const QString &tool, const QStringList &arguments, const QList<PrintJob> &jobs, double &seconds,
                bool identifierFirst = false)
{
    const QString program = PrivateCupsServer::toolPath(tool);
    QElapsedTimer timer;
    timer.start();
    for (const PrintJob &job : jobs) {
        QProcess process;
        process.start(program,
                      identifierFirst ? QStringList {u"-i"_s, job.identifier} + arguments
                                      : arguments + QStringList {job.identifier});
        if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
            return false;
    }
    seconds = timer.nsecsElapsed() / 1e9;
    return true;
}

// Runs `round` once per iteration: it times ours and the floor on the same
// number of jobs and says whether every step succeeded. Only ours is the
// iteration's time; the floor and the ratio are counters beside it.
void measure(benchmark::State &state, const std::function<bool(double &ours, double &floor)> &round,
             const char *failure)
{
    double ours = 0;
    double floor = 0;
    for (auto _ : state) {
        double seconds = 0;
        double floorSeconds = 0;
        if (!round(seconds, floorSeconds)) {
            state.SkipWithError(failure);
            break;
        }
        state.SetIterationTime(seconds);
        ours += seconds;
        floor += floorSeconds;
    }
    state.counters["floor_ms"] = benchmark::Counter(floor * 1000, benchmark::Counter::kAvgIterations);
    state.counters["ratio"] = floor > 0 ? ours / floor : 0;
}

// Hold and release, on the same 1,000 jobs: ours, then the floor, each
// starting from the same state.
void holdOrRelease(benchmark::State &state, JobAction action)
{
    const std::optional<QList<PrintJob>> jobs = freshHeldJobs();
    if (!jobs) {
        state.SkipWithError("could not submit the jobs");
        return;
    }
    const bool hold = action == JobAction::Hold;
    const JobAction undo = hold ? JobAction::Release : JobAction::Hold;
    const QStringList floorArguments {u"-H"_s, hold ? u"hold"_s : u"resume"_s};
    double unused = 0;
    // Holding needs waiting jobs.
    if (hold && !actOnEach(*jobs, JobAction::Release, unused)) {
        state.SkipWithError("could not release the jobs");
        return;
    }
    measure(
        state,
        [&](double &seconds, double &floorSeconds) {
            return actOnEach(*jobs, action, seconds) && actOnEach(*jobs, undo, unused)
                && runForEach(u"lp"_s, floorArguments, *jobs, floorSeconds, true) && actOnEach(*jobs, undo, unused);
        },
        "an action failed");
    actOnEach(*jobs, JobAction::Cancel, unused);
}

void cancel(benchmark::State &state)
{
    measure(
        state,
        [](double &seconds, double &floorSeconds) {
            const std::optional<QList<PrintJob>> ourJobs = freshHeldJobs();
            const std::optional<QList<PrintJob>> floorJobs = freshHeldJobs();
            return ourJobs && floorJobs && actOnEach(*ourJobs, JobAction::Cancel, seconds)
                && runForEach(u"cancel"_s, {}, *floorJobs, floorSeconds);
        },
        "could not submit or cancel the jobs");
}

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    QCoreApplication app(argc, argv);

    std::optional<BenchSupport::Scheduler> started
        = BenchSupport::startScheduler(queueCount, queueName, "actions_bench");
    if (!started)
        return 1;
    scheduler = &*started;
    for (int queue = 0; queue < queueCount; ++queue) {
        if (!scheduler->server->stopQueue(queueName(queue))) {
            std::fprintf(stderr, "actions_bench: %s\n", qPrintable(scheduler->server->lastError()));
            return 1;
        }
    }
    const auto hold = [](benchmark::State &state) {
        holdOrRelease(state, JobAction::Hold);
    };
    const auto release = [](benchmark::State &state) {
        holdOrRelease(state, JobAction::Release);
    };
    for (const auto &[name, function] :
         {std::pair<const char *, void (*)(benchmark::State &)> {"actions/hold_1000", hold},
          {"actions/release_1000", release},
          {"actions/cancel_1000", &cancel}})
        benchmark::RegisterBenchmark(name, function)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
