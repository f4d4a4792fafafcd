// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
// Parsing cost of large lpstat listings: 10,000 jobs (basic and detailed) and
// 1,000 queues, once in plain ASCII and once with umlauts and decomposed text.
#include <CUPSService.h>
#include <LpstatOutput.h>

#include <QLocale>

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

QString queueName(int index, bool international)
{
    if (!international)
        return u"Laser%1"_s.arg(index);
    // Alternate composed and decomposed umlauts so both paths are exercised.
    return (index % 2 ? u"Büro-Größe%1"_s : u"Bu\u0308ro-Gro\u0308ße%1"_s).arg(index);
}

QString basicListing(int jobs, bool international)
{
    QString text;
    for (int i = 0; i < jobs; ++i) {
        text += u"%1-%2 %3 24576 Mon 07 Dec 2026 10:00:00 CET\n"_s.arg(queueName(i % 50, international))
                    .arg(i + 1)
                    .arg(international ? u"jürgen"_s : u"anna"_s);
    }
    return text;
}

QString detailedListing(int jobs, bool international)
{
    QString text;
    for (int i = 0; i < jobs; ++i) {
        text += u"%1-%2 %3 24576 Mon 07 Dec 2026 10:00:00 CET\n"
                u"\tStatus: the printer is not responding.\n"
                u"\tAlerts: job-hold-until-specified\n"
                u"\tqueued for %1\n"
                u"\tTitle: %4\n"
                u"\tUser: %3\n"_s.arg(queueName(i % 50, international))
                    .arg(i + 1)
                    .arg(international ? u"jürgen"_s : u"anna"_s)
                    .arg(international ? u"Übersicht März.pdf"_s : u"Report March.pdf"_s);
    }
    return text;
}

QString printerListing(int queues, bool international)
{
    QString text;
    for (int i = 0; i < queues; ++i) {
        text += international
            ? u"%1 akzeptiert Anfragen seit Mo 07 Dez 2026 10:00:00 CET\n"_s.arg(queueName(i, true))
            : u"%1 accepting requests since Mon 07 Dec 2026 10:00:00 CET\n"_s.arg(queueName(i, false));
    }
    return text;
}

void BM_parseBasicJobs(benchmark::State &state)
{
    const QString listing = basicListing(10000, state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(LpstatOutput::parseBasicJobs(listing));
}

void BM_parseJobDetails(benchmark::State &state)
{
    const QString listing = detailedListing(10000, state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(LpstatOutput::parseJobDetails(listing));
}

void BM_parsePrinters(benchmark::State &state)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString listing = printerListing(1000, state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(LpstatOutput::parsePrinters(listing));
}

} // namespace

// Argument 0: ASCII text; 1: umlauts and NFD sequences.
BENCHMARK(BM_parseBasicJobs)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_parseJobDetails)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_parsePrinters)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
