// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
// Whether anything grows while the window stays open: the real window reloads
// 2,000 times, one reload right after the other, against a private scheduler
// holding 1,000 held jobs, and the resident memory after the first 100
// reloads is compared with the one after the last. Allocators and caches
// settle within the first reloads; what still grows after them is a leak.

#include "BenchSupport.h"
#include "ContentViewHarness.h"

#include <PrivateCupsServer.h>

#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include <cstdio>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

constexpr int jobCount = 1'000;
constexpr int queueCount = 20;
constexpr int settlingReloads = 100;
constexpr int reloads = 2'000;

QString queueName(int index)
{
    return u"Etage%1-Laser"_s.arg(index % queueCount + 1);
}

void reloadsKeepMemoryFlat(benchmark::State &state)
{
    for (auto _ : state) {
        // A reload starts a millisecond after the last one ended.
        ContentViewHarness ui(CUPSService::systemLpstatURL, 1);
        int finished = 0;
        bool wasLoading = false;
        qint64 settled = 0;
        QObject::connect(ui.model().reload(), &ReloadControl::isLoadingChanged, [&] {
            if (wasLoading && !ui.model().reload()->isLoading()) {
                ++finished;
                if (finished == settlingReloads)
                    settled = BenchSupport::residentKilobytes();
            }
            wasLoading = ui.model().reload()->isLoading();
        });
        if (!QTest::qWaitFor([&finished] { return finished >= reloads; }, 3'600'000)
            || ui.model().selection()->jobs().size() != jobCount) {
            state.SkipWithError("the reloads did not all end listing every job");
            return;
        }
        const qint64 last = BenchSupport::residentKilobytes();
        state.counters["rss_after_100_MB"] = double(settled) / 1024.0;
        state.counters["rss_after_2000_MB"] = double(last) / 1024.0;
        state.counters["growth_MB"] = double(last - settled) / 1024.0;
    }
}

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    UiEnvironment::prepare();
    QGuiApplication app(argc, argv);

    const std::optional<BenchSupport::Scheduler> scheduler
        = BenchSupport::startScheduler(queueCount, queueName, "memory_bench");
    if (!scheduler)
        return 1;
    if (!BenchSupport::submitHeldJobs(0, jobCount, scheduler->document, queueName)) {
        std::fprintf(stderr, "memory_bench: %s\n", cupsLastErrorString());
        return 1;
    }

    benchmark::RegisterBenchmark("memory/2000_reloads_of_1000_jobs", reloadsKeepMemoryFlat)
        ->Iterations(1)
        ->Unit(benchmark::kSecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
