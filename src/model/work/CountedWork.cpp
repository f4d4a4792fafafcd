// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "CountedWork.h"

#include "ExitPolicy.h"
#include "ReloadControl.h"
#include "WhenFinished.h"
#include "WindowState.h"

#include <QPointer>

#include <utility>

using namespace Qt::StringLiterals;

namespace {

std::shared_ptr<QPromise<void>> startedPromise()
{
    auto promise = std::make_shared<QPromise<void>>();
    promise->start();
    return promise;
}

} // namespace

CountedWork::CountedWork(WindowState &state, ReloadControl &reload, QObject *parent)
    : Capability(state, parent)
    , m_reload(reload)
{
    watch();
    connect(&m_reload, &ReloadControl::listsShown, this, [this] {
        if (m_waiting)
            run(*std::exchange(m_waiting, std::nullopt), m_state.selection.printers());
    });
}

CountedWork::~CountedWork()
{
    if (m_waiting)
        run(*std::exchange(m_waiting, std::nullopt), {});
}

WorkProgress CountedWork::progress() const
{
    if (!m_running || m_running->jobCount == 0)
        return {};
    return WorkProgress {int(m_doneCount), int(m_running->jobCount),
                         m_running->progressText(m_doneCount, m_running->jobCount)};
}

QFuture<void> CountedWork::start(const WorkTask &task)
{
    if (isWorking() || task.jobCount == 0)
        return QtFuture::makeReadyFuture();
    const Run started {task, startedPromise(), startedPromise()};
    Q_EMIT this->started();
    m_doneCount = 0;
    m_running = task;
    m_state.write(m_state.working, true);
    // What the user asked for reaches CUPS also when the window closes now.
    ExitPolicy::trackWork(started.handedOver->future());
    // A running reload ends first, so that its older lists cannot follow
    // the closing reload's; the work follows at once.
    if (m_state.loading)
        m_waiting = started;
    else
        run(started, {});
    return started.done->future();
}

void CountedWork::run(const Run &run, const QList<Printer> &listedSince)
{
    const JobByJob::Progress countOff = [work = QPointer(this)](qsizetype handled) {
        if (work)
            work->m_state.write(work->m_doneCount, handled);
    };
    whenFinished(run.task.handOver(countOff, listedSince),
                 [work = QPointer(this), run](const std::optional<WorkVerdicts> &verdicts) {
                     run.handedOver->finish();
                     if (!work)
                         return run.done->finish();
                     work->close(verdicts ? *verdicts : run.task.failedUnexpectedly(), run);
                 });
}

void CountedWork::close(const WorkVerdicts &verdicts, const Run &run)
{
    // The report waits for the closing reload, which shows where each job
    // is now.
    const bool checksStates = run.task.checksStates;
    m_reload.start([work = QPointer(this), verdicts, checksStates,
                    done = run.done](ReloadControl *reload, const ReloadOutcome &listed, quint64 number) {
        if (!reload || !work)
            return done->finish();
        if (listed.error) {
            // Nothing to check the report against: it stands as handed over,
            // says so, and the failure's notice follows once it is dismissed.
            work->report(verdicts.unchecked, verdicts.notCheckedNote);
            reload->apply(listed);
            reload->shown(number);
            if (!checksStates)
                reload->followWithDetails(listed, number, nullptr);
            return done->finish();
        }
        reload->apply(listed);
        reload->shown(number);
        if (checksStates) {
            // The lists are on screen; the report waits for their states.
            return reload->followWithDetails(listed, number, done, [work, verdicts](const ReloadOutcome &described) {
                if (work)
                    work->report(verdicts.checked(described));
            });
        }
        work->report(verdicts.checked(listed));
        // The details of its lists follow apart from the work.
        reload->followWithDetails(listed, number, nullptr);
        done->finish();
    });
}

void CountedWork::report(const WorkReport &report, const QString &note)
{
    AppNotice notice = report.notice;
    if (!note.isEmpty())
        notice.message += u"\n\n"_s + note;
    m_state.show(notice);
    m_state.write(m_state.statusText, report.status);
    m_running.reset();
    m_doneCount = 0;
    m_state.write(m_state.working, false);
}
