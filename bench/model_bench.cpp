// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
// The window model with a large workstation's worth of data: 10,000 waiting
// jobs over 500 queues. Measures what the UI pays per click (a toggle and a
// read of every derived value), "Alle sichtbaren auswählen" on every job, the
// selection trim after a reload, and the identity diff of the job rows.
#include <JobListModel.h>
#include <PrintJobsViewModel.h>
#include <PrintJobsViewModelTestAccess.h>
#include <PrinterListModel.h>

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

constexpr int jobCount = 10'000;
constexpr int queueCount = 500;

QString queueName(int index)
{
    return u"Laser-Etage%1"_s.arg(index);
}

// Jobs first..first+count-1; every fifth has a title, every job an owner.
QList<PrintJob> makeJobs(int first, int count, const QString &titleSuffix = {})
{
    QList<PrintJob> jobs;
    jobs.reserve(count);
    for (int number = first; number < first + count; ++number) {
        const QString queue = queueName(number % queueCount);
        PrintJob job {queue + u'-' + QString::number(number), queue, u"anna"_s, std::nullopt};
        if (number % 5 == 0)
            job.title = u"Bericht %1.pdf"_s.arg(number) + titleSuffix;
        jobs.append(std::move(job));
    }
    return jobs;
}

QList<Printer> makePrinters()
{
    QList<Printer> printers;
    for (int index = 0; index < queueCount; ++index)
        printers.append(Printer {queueName(index)});
    return printers;
}

// The identifiers of every `step`-th job.
QSet<QString> every(const QList<PrintJob> &jobs, int step)
{
    QSet<QString> identifiers;
    for (qsizetype i = 0; i < jobs.size(); i += step)
        identifiers.insert(jobs[i].identifier);
    return identifiers;
}

void readEveryDerivedValue(const PrintJobsViewModel &model)
{
    benchmark::DoNotOptimize(model.selection()->selectedJobs());
    benchmark::DoNotOptimize(model.selection()->selectedDestination());
    benchmark::DoNotOptimize(model.selection()->selectedSourcePrinterNames());
    benchmark::DoNotOptimize(model.selection()->destinationPrinters());
    benchmark::DoNotOptimize(model.move()->canRequest());
    benchmark::DoNotOptimize(model.move()->confirmation().text());
    // What the QML view reads besides.
    benchmark::DoNotOptimize(model.selection()->selectedJobCount());
    benchmark::DoNotOptimize(model.selection()->singleSelectedJobIdentifier());
    benchmark::DoNotOptimize(model.selection()->hasSelectedDestination());
    benchmark::DoNotOptimize(model.selection()->selectedDestinationName());
    benchmark::DoNotOptimize(model.selection()->sourcePrinterNamesText());
    benchmark::DoNotOptimize(model.selection()->destinationCount());
    benchmark::DoNotOptimize(model.selection()->filter().shownCount);
    benchmark::DoNotOptimize(model.selection()->selectionNote());
    benchmark::DoNotOptimize(model.selection()->canSelectShownJobs());
    benchmark::DoNotOptimize(model.selection()->canClearJobSelection());
    benchmark::DoNotOptimize(model.selection()->filter().queueIndex);
    benchmark::DoNotOptimize(model.move()->confirmation().lines);
}

// Argument: every how-many-th job is selected (1: all 10,000; 1000: ten).
// The destination stays valid, so the confirmation text lists every selected job.
void toggleAndReadDerived(benchmark::State &state)
{
    PrintJobsViewModel model;
    const QList<PrintJob> jobs = makeJobs(0, jobCount);
    PrintJobsViewModelTestAccess::load(model, jobs, makePrinters());
    PrintJobsViewModelTestAccess::setSelectedJobIDs(model, every(jobs, int(state.range(0))));
    model.selection()->setSelectedDestinationID(u"Farbe"_s);

    for (auto _ : state) {
        // The same job on and off, so the selection keeps its size.
        model.selection()->toggleJobSelection(jobs[1]);
        readEveryDerivedValue(model);
    }
    state.counters["selected"] = double(model.selection()->selectedJobIDs().size());
}
BENCHMARK(toggleAndReadDerived)->Arg(1000)->Arg(2)->Arg(1)->Unit(benchmark::kMillisecond);

// "Alle sichtbaren auswählen" with nothing selected and every job shown (the
// job rows included), then one read of every derived value.
void selectShownAndReadDerived(benchmark::State &state)
{
    PrintJobsViewModel model;
    PrintJobsViewModelTestAccess::load(model, makeJobs(0, jobCount), makePrinters());
    model.selection()->setSelectedDestinationID(u"Farbe"_s);
    for (auto _ : state) {
        state.PauseTiming();
        model.selection()->clearJobSelection();
        state.ResumeTiming();

        model.selection()->selectShownJobs();
        readEveryDerivedValue(model);
    }
    state.counters["selected"] = double(model.selection()->selectedJobIDs().size());
}
BENCHMARK(selectShownAndReadDerived)->Unit(benchmark::kMillisecond);

// A reload that drops 1,000 jobs and adds 1,000 new ones, with half of all
// jobs and a destination selected: the time of retainValidSelections alone
// (which includes bringing both row models up to date).
void retainAfterReload(benchmark::State &state)
{
    const QList<Printer> printers = makePrinters();
    const QList<PrintJob> before = makeJobs(0, jobCount);
    const QList<PrintJob> after = makeJobs(1'000, jobCount);
    const QSet<QString> selection = every(before, 2);

    PrintJobsViewModel model;
    for (auto _ : state) {
        state.PauseTiming();
        PrintJobsViewModelTestAccess::load(model, before, printers);
        PrintJobsViewModelTestAccess::setSelectedJobIDs(model, selection);
        model.selection()->setSelectedDestinationID(queueName(3));
        PrintJobsViewModelTestAccess::load(model, after, printers);
        state.ResumeTiming();

        PrintJobsViewModelTestAccess::retainValidSelections(model);
    }
    state.counters["kept"] = double(model.selection()->selectedJobIDs().size());
}
BENCHMARK(retainAfterReload)->Unit(benchmark::kMillisecond);

// One update of the job rows from one 10,000-job listing to the next.
// Argument 0: the same listing again; 1: 1,000 jobs gone, 1,000 new, every
// twentieth job retitled; 2: every other job gone and as many new ones
// interleaved (scattered changes).
void jobRowsDiff(benchmark::State &state)
{
    const QList<PrintJob> base = makeJobs(0, jobCount);
    QList<PrintJob> next;
    switch (state.range(0)) {
    case 0:
        next = base;
        break;
    case 1:
        next = makeJobs(1'000, jobCount);
        for (qsizetype i = 0; i < next.size(); i += 20)
            next[i].title = u"Neu"_s;
        break;
    default:
        for (qsizetype i = 0; i < base.size(); ++i)
            next.append(i % 2 ? base[i] : makeJobs(jobCount + int(i), 1).first());
        break;
    }
    const auto entriesOf = [](const QList<PrintJob> &jobs) {
        QList<JobEntry> entries;
        for (const PrintJob &job : jobs)
            entries.append(JobEntry {job, job.identifier, job.sourcePrinterName, false, {}});
        return entries;
    };
    const QList<JobEntry> baseEntries = entriesOf(base);
    const QList<JobEntry> nextEntries = entriesOf(next);

    JobListModel model;
    for (auto _ : state) {
        state.PauseTiming();
        model.update(baseEntries);
        state.ResumeTiming();
        model.update(nextEntries);
    }
}
BENCHMARK(jobRowsDiff)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
