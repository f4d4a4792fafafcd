// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "CountedWork.h"
#include "JobActionControl.h"
#include "MoveControl.h"
#include "NoticeControl.h"
#include "ReloadControl.h"
#include "SelectionControl.h"
#include "UndoControl.h"
#include "WindowState.h"

#include <CUPSService.h>

#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

// One window: the state its capabilities share (WindowState) and one object
// per capability, each with its own properties, verbs and change signals.
// QML hands each pane the objects it shows; a new capability is a new object
// here, built on the state and on the objects it needs. README.md in this
// folder tells which object owns what.
// Lives on the UI thread. Each property has its own change signal, emitted
// only when its value changed (PropertyAnnouncer), so a click re-evaluates
// only the bindings it concerns.
class PrintJobsViewModel : public QObject
{
    Q_OBJECT
    QML_ELEMENT

    // The jobs and queues, what the user chose of them, the job filter.
    Q_PROPERTY(SelectionControl *selection READ selection CONSTANT FINAL)
    Q_PROPERTY(ReloadControl *reload READ reload CONSTANT FINAL)
    // A move, taking one back, a hold, release or cancel while it runs.
    Q_PROPERTY(CountedWork *work READ work CONSTANT FINAL)
    Q_PROPERTY(MoveControl *move READ move CONSTANT FINAL)
    Q_PROPERTY(UndoControl *undo READ undo CONSTANT FINAL)
    Q_PROPERTY(JobActionControl *actions READ actions CONSTANT FINAL)
    // The notice on screen and the status line.
    Q_PROPERTY(NoticeControl *notices READ notices CONSTANT FINAL)
    // "Server: druck01.example:631" while the scheduler is another machine's;
    // empty for this machine's. Read once, as the window opens: the program
    // pins its scheduler at start (SchedulerAddress::pin).
    Q_PROPERTY(QString schedulerText READ schedulerText CONSTANT FINAL)

public:
    // Uses the system's lpstat at /usr/bin/lpstat.
    explicit PrintJobsViewModel(QObject *parent = nullptr);
    explicit PrintJobsViewModel(const CUPSService &service, QObject *parent = nullptr);
    ~PrintJobsViewModel() override;

    SelectionControl *selection() { return &m_selection; }
    const SelectionControl *selection() const { return &m_selection; }
    ReloadControl *reload() { return &m_reload; }
    const ReloadControl *reload() const { return &m_reload; }
    CountedWork *work() { return &m_work; }
    const CountedWork *work() const { return &m_work; }
    MoveControl *move() { return &m_move; }
    const MoveControl *move() const { return &m_move; }
    UndoControl *undo() { return &m_undo; }
    const UndoControl *undo() const { return &m_undo; }
    JobActionControl *actions() { return &m_actions; }
    const JobActionControl *actions() const { return &m_actions; }
    NoticeControl *notices() { return &m_notices; }
    const NoticeControl *notices() const { return &m_notices; }
    const QString &schedulerText() const { return m_state.schedulerText; }
    // What the capabilities share, for one that attaches from outside, as
    // PeriodicReloader does, without a change here.
    WindowState &state() { return m_state; }

private:
    // Built in this order, each on those before it; destroyed the other way
    // round, so that work waiting for a reload is handed over while the state
    // is still there.
    WindowState m_state;
    NoticeControl m_notices;
    SelectionControl m_selection;
    ReloadControl m_reload;
    CountedWork m_work;
    UndoControl m_undo;
    MoveControl m_move;
    JobActionControl m_actions;
};
