// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "JobSelection.h"
#include "NoticeQueue.h"
#include "SelectionRows.h"

#include <CUPSService.h>

#include <QList>
#include <QString>

#include <functional>
#include <utility>
#include <vector>

class Question;

// What every capability of one window shares: the tools that reach the
// scheduler, the lists with the user's selection and the rows QML shows of
// them, the notices and the status line, and the gate (a reload runs, counted
// work runs, the move question holds the lists back). Owned by the window
// model; each capability object keeps a reference, writes here, and follows
// every write to announce its own properties.
struct WindowState
{
    WindowState(const CUPSService &service, const QString &schedulerText, QObject *rowsParent);

    CUPSService service;
    JobSelection selection;
    SelectionRows rows;
    NoticeQueue notices;
    QString statusText;
    // "Server: …" while the scheduler is another machine's, else empty.
    const QString schedulerText;
    bool loading = false;
    // A move, taking one back, a hold, release or cancel: the rows and the
    // selection are its, from its start to its report.
    bool working = false;
    // The move question is open: it lists exactly what will be moved, so a
    // reload's lists wait until it closes.
    bool listsHeld = false;

    bool busy() const { return loading || working; }
    // One question at a time.
    void addQuestion(const Question *question) { m_questions.append(question); }
    bool isAsking() const;

    // Called after every write with what it changed in the selection, once the
    // rows have caught up: a capability refreshes what it derives, then
    // announces its properties that now read differently.
    using Follower = std::function<void(JobSelection::Changes changes)>;
    void follow(Follower follower) { m_followers.push_back(std::move(follower)); }
    // Ends every write.
    void written();
    template<typename T, typename Value> void write(T &field, Value &&value)
    {
        field = std::forward<Value>(value);
        written();
    }

    // What a reload stores: both lists at once, so that the rows catch up once.
    void setLists(const QList<PrintJob> &jobs, const QList<Printer> &printers);
    void show(const AppNotice &notice);

private:
    std::vector<Follower> m_followers;
    QList<const Question *> m_questions;
};
