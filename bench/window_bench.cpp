// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
// The window's own costs, measured with the real window and model:
//   - launch to the first frame that shows the jobs, with the real lpstat on a
//     private scheduler holding 100 jobs in 20 queues (a fresh process per
//     iteration, which reports when that frame has been presented);
//   - the resident memory of that process once it is idle;
//   - with 10,000 jobs loaded, from a click on a row to the next presented
//     frame (fake lpstat output: the scheduler would take minutes to hold
//     that many jobs);
//   - with the same jobs, from a key typed into the job filter to the next
//     presented frame;
//   - with the same jobs, from scrolling the column by a page, and from Down
//     moving the keyboard focus one job further, to the next presented frame;
// Runs on whatever platform QT_QPA_PLATFORM names; offscreen by default.

#include "BenchSupport.h"
#include "ContentViewHarness.h"

#include <FakeCupsTools.h>
#include <PrivateCupsServer.h>

#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

constexpr int launchJobs = 100;
constexpr int launchQueues = 20;
constexpr int clickJobs = 10'000;

const char probeArgument[] = "--launch-probe";

// The child process of the launch benchmark: starts like the application,
// reports "first-frame" as soon as a frame showing all jobs has been
// presented, then idles and reports its resident memory.
int runLaunchProbe(int &argc, char **argv)
{
    UiEnvironment::prepare();
    QGuiApplication app(argc, argv);
    QQmlApplicationEngine engine;
    engine.load(QUrl(u"qrc:/qt/qml/Parvento/UI/ParventoWindow.qml"_s));
    if (engine.rootObjects().isEmpty())
        return 1;
    auto *window = qobject_cast<QQuickWindow *>(engine.rootObjects().constFirst());
    auto *model = window->findChild<PrintJobsViewModel *>();
    if (!model)
        return 2;

    // Synchronisation runs while the GUI thread waits, so the model may be
    // read there; the frame synchronised with all jobs is the one to report.
    std::atomic<bool> jobsSynchronised = false;
    std::atomic<bool> reported = false;
    QObject::connect(
        window, &QQuickWindow::beforeSynchronizing, window,
        [&] {
            if (model->selection()->jobCount() == launchJobs)
                jobsSynchronised = true;
        },
        Qt::DirectConnection);
    QObject::connect(
        window, &QQuickWindow::frameSwapped, window,
        [&] {
            if (!jobsSynchronised || reported.exchange(true))
                return;
            std::puts("first-frame");
            std::fflush(stdout);
            QMetaObject::invokeMethod(&app, [&app] {
                QTimer::singleShot(2000, &app, [] {
                    std::printf("rss %lld\n", static_cast<long long>(BenchSupport::residentKilobytes()));
                    std::fflush(stdout);
                    QCoreApplication::quit();
                });
            });
        },
        Qt::DirectConnection);
    return QGuiApplication::exec();
}

void launchToFirstJobsFrame(benchmark::State &state)
{
    qint64 rss = 0;
    for (auto _ : state) {
        QProcess probe;
        QElapsedTimer timer;
        timer.start();
        probe.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(probeArgument)});
        QByteArray output;
        while (!output.contains("first-frame\n") && probe.waitForReadyRead(30'000))
            output += probe.readAllStandardOutput();
        const double seconds = timer.nsecsElapsed() / 1e9;
        if (!output.contains("first-frame\n")) {
            state.SkipWithError("the window never showed the jobs");
            break;
        }
        state.SetIterationTime(seconds);
        probe.waitForFinished(30'000);
        output += probe.readAllStandardOutput();
        const qsizetype at = output.indexOf("rss ");
        rss = at < 0 ? -1 : output.mid(at + 4).trimmed().toLongLong();
    }
    state.counters["idle_rss_MB"] = double(rss) / 1024.0;
}

// 10,000 jobs; `queues` > 1 spreads them round-robin over "Etage<n>-Laser".
QStringList manyJobLines(int queues)
{
    QStringList lines;
    lines.reserve(clickJobs);
    for (int number = 1; number <= clickJobs; ++number) {
        const QString queue = queues > 1 ? u"Etage%1-Laser"_s.arg(number % queues + 1) : u"Laser"_s;
        lines.append(u"%1-%2 anna 1024 Mon 01 Jan 2024 12:00:00"_s.arg(queue).arg(number));
    }
    return lines;
}

// Shows 10,000 jobs (manyJobLines(queues)), lets `prepare` set the window
// up, then times each `input(ui, iteration)` to the next presented frame.
template<typename Prepare, typename Input>
void timeToNextFrame(benchmark::State &state, int queues, Prepare prepare, Input input)
{
    FakeCupsTools tools;
    tools.setJobLines(manyJobLines(queues));
    tools.setPrinterNames({u"Archiv"_s, u"Farbe"_s, u"Laser"_s});
    ContentViewHarness ui(tools.lpstatPath());
    if (!ui.waitUntilIdle(120'000) || ui.model().selection()->jobCount() != clickJobs) {
        state.SkipWithError("the jobs were not loaded");
        return;
    }
    prepare(ui);
    QSignalSpy frames(&ui.window(), &QQuickWindow::frameSwapped);
    double slowest = 0;
    qsizetype iteration = 0;
    for (auto _ : state) {
        frames.clear();
        QElapsedTimer timer;
        timer.start();
        input(ui, iteration++);
        if (!frames.wait(1000)) {
            state.SkipWithError("no frame after the input");
            break;
        }
        const double seconds = timer.nsecsElapsed() / 1e9;
        slowest = std::max(slowest, seconds);
        state.SetIterationTime(seconds);
    }
    state.counters["slowest_ms"] = slowest * 1e3;
}

void clickRowToNextFrame(benchmark::State &state)
{
    QPoint point;
    timeToNextFrame(
        state, 1,
        [&point](ContentViewHarness &ui) {
            QQuickItem *row = ui.jobRow(0);
            point = row->mapToScene(QPointF(row->width() / 2, row->height() / 2)).toPoint();
        },
        [&point](ContentViewHarness &ui, qsizetype) { QTest::mouseClick(&ui.window(), Qt::LeftButton, {}, point); });
}

// Types "etage17" into the job filter and deletes it again, key by key: the
// first letters keep every job, "1" keeps 11 of 20 queues, "7" one of them
// (every twentieth job, the most scattered change); Backspace undoes each.
void typeFilterToNextFrame(benchmark::State &state)
{
    const QByteArray word = "etage17";
    timeToNextFrame(
        state, 20,
        [](ContentViewHarness &ui) {
            ContentViewHarness::childItem(ui.part("jobPane"), "filterField")->forceActiveFocus();
            ContentViewHarness::settle();
        },
        [&word](ContentViewHarness &ui, qsizetype iteration) {
            const qsizetype step = iteration % (2 * word.size());
            if (step < word.size())
                QTest::keyClick(&ui.window(), word.at(step));
            else
                QTest::keyClick(&ui.window(), Qt::Key_Backspace);
        });
}

// Scrolls the column a page further each time, from the top towards the
// middle of the list, where rows are dropped and created as for a user.
void scrollPageToNextFrame(benchmark::State &state)
{
    timeToNextFrame(
        state, 1, [](ContentViewHarness &) {},
        [](ContentViewHarness &ui, qsizetype iteration) {
            QQuickItem *flickable = ui.item("flickable");
            flickable->setProperty("contentY", qreal(iteration + 1) * flickable->height());
        });
}

// Down in the job list, one job further each time, the column following.
void focusNextRowToNextFrame(benchmark::State &state)
{
    timeToNextFrame(
        state, 1,
        [](ContentViewHarness &ui) {
            ui.jobRow(0)->forceActiveFocus(Qt::TabFocusReason);
            ContentViewHarness::settle();
        },
        [](ContentViewHarness &ui, qsizetype) { QTest::keyClick(&ui.window(), Qt::Key_Down); });
}

} // namespace

int main(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], probeArgument) == 0)
            return runLaunchProbe(argc, argv);
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    benchmark::Initialize(&argc, argv);
    UiEnvironment::prepare();
    QGuiApplication app(argc, argv);

    // The scheduler outlives every benchmark; the probes inherit CUPS_SERVER.
    auto server = std::make_unique<PrivateCupsServer>();
    if (!server->start()) {
        std::fprintf(stderr, "window_bench: %s\n", qPrintable(server->lastError()));
        return 1;
    }
    for (int queue = 1; queue <= launchQueues; ++queue) {
        if (!server->addQueue(u"Etage%1-Laser"_s.arg(queue))) {
            std::fprintf(stderr, "window_bench: %s\n", qPrintable(server->lastError()));
            return 1;
        }
    }
    for (int job = 0; job < launchJobs; ++job) {
        if (!server->submitHeldJob(u"Etage%1-Laser"_s.arg(job % launchQueues + 1))) {
            std::fprintf(stderr, "window_bench: %s\n", qPrintable(server->lastError()));
            return 1;
        }
    }

    benchmark::RegisterBenchmark("window/launch_to_first_jobs_frame", launchToFirstJobsFrame)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(5);
    // Each input with 10,000 jobs, timed to its next frame; the filter's 56
    // keys type and delete "etage17" four times.
    struct FrameBenchmark
    {
        const char *name;
        void (*run)(benchmark::State &);
        int iterations;
    };
    const FrameBenchmark frameBenchmarks[] {
        {"window/click_row_to_next_frame_10000_jobs", clickRowToNextFrame, 50},
        {"window/type_filter_key_to_next_frame_10000_jobs", typeFilterToNextFrame, 56},
        {"window/scroll_page_to_next_frame_10000_jobs", scrollPageToNextFrame, 100},
        {"window/focus_next_row_to_next_frame_10000_jobs", focusNextRowToNextFrame, 100},
    };
    for (const FrameBenchmark &frame : frameBenchmarks) {
        benchmark::RegisterBenchmark(frame.name, frame.run)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond)
            ->Iterations(frame.iterations);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
