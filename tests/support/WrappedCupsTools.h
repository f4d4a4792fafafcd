// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "CupsToolScripts.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// lpstat and lpmove scripts that run the real tools against the private
// scheduler and add one fault on request: the scheduler killed at a chosen
// call, or extra bytes after lpstat's own output. Each call is logged with its
// arguments (and lpmove's with its exit status), so a test can prove what the
// real tools were asked to do.
//
// While the object lives, PATH starts with its directory, followed by what it
// held before, so the availability check finds the wrapped lpmove before the
// real one.
class WrappedCupsTools : public CupsToolScripts
{
public:
    WrappedCupsTools();

    // SIGKILLs the process `pid` (the scheduler) right before the next lpstat
    // call with exactly these arguments runs, and waits until its socket is
    // closed. Once.
    void killBeforeLpstat(const QStringList &arguments, qint64 pid);
    // SIGKILLs `pid` right after the `call`-th lpmove (counting from 1) has ended.
    void killAfterLpmove(int call, qint64 pid);
    // What lpstat prints after the real tool's output, on every call; empty: nothing.
    void setLpstatTrailer(const QByteArray &bytes);

    struct MoveCall
    {
        QStringList arguments;
        int status = -1;
    };
    QList<MoveCall> lpmoveCalls() const;
    // The arguments of every lpstat call, joined by blanks.
    QStringList lpstatCalls() const;
};
