// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "Capability.h"
#include "WorkProgress.h"
#include "WorkTask.h"

#include <QFuture>
#include <QObject>
#include <QPromise>
#include <QtQml/qqmlregistration.h>

#include <memory>
#include <optional>

class ReloadControl;

// Runs counted work, one piece at a time: a move, taking one back, a hold,
// release or cancel. Each waits for the reload under way, hands its jobs over
// one by one while the rows are its, then runs the closing reload, reports
// what that reload bears out, and hands the rows back. Once started, every job
// is handed over also after the window has gone (ExitPolicy waits for it).
class CountedWork : public Capability
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Reached through the window model.")

    // From the start to the report: the rows and the selection are the work's.
    Q_PROPERTY(bool isWorking READ isWorking NOTIFY isWorkingChanged FINAL)
    // Jobs go to other queues.
    Q_PROPERTY(bool isMoving READ isMoving NOTIFY isMovingChanged FINAL)
    Q_PROPERTY(WorkProgress progress READ progress NOTIFY progressChanged FINAL)

public:
    CountedWork(WindowState &state, ReloadControl &reload, QObject *parent);
    // Work confirmed while a reload ran is handed over all the same.
    ~CountedWork() override;

    bool isWorking() const { return m_running.has_value(); }
    bool isMoving() const { return m_running && m_running->kind == WorkTask::Kind::Moving; }
    bool isActing() const { return m_running && m_running->kind == WorkTask::Kind::Acting; }
    WorkProgress progress() const;

    // Starts `task` now, or once the reload under way has shown its lists.
    // Refused while other work runs. Completes after the report.
    QFuture<void> start(const WorkTask &task);

Q_SIGNALS:
    void isWorkingChanged();
    void isMovingChanged();
    void progressChanged();
    // Work starts: whatever offered to take back the last move ends.
    void started();

private:
    // `done` finishes after the report, `handedOver` once every job has had
    // its turn: what the program waits for when it ends.
    struct Run
    {
        WorkTask task;
        std::shared_ptr<QPromise<void>> done;
        std::shared_ptr<QPromise<void>> handedOver;
    };

    void run(const Run &run, const QList<Printer> &listedSince);
    void close(const WorkVerdicts &verdicts, const Run &run);
    void report(const WorkReport &report, const QString &note = {});

    ReloadControl &m_reload;
    std::optional<WorkTask> m_running;
    qsizetype m_doneCount = 0;
    std::optional<Run> m_waiting;
};
