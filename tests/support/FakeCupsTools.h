// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "CupsToolScripts.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Fake lpstat and lpmove for workflow tests: lpstat answers "-o", "-l -o" and
// "-a" from files the test writes, lpmove succeeds (moving the job in what
// "-o" prints, keeping its number) or fails per job, and both
// log every call with its arguments and its start and end time, so a test can
// prove which tools ran, with what, and whether runs overlapped.
//
// While the object lives, PATH holds its directory followed by only the system
// directories the scripts need, so the availability check finds the fake
// lpmove before any real one.
class FakeCupsTools : public CupsToolScripts
{
public:
    FakeCupsTools();

    // What "lpstat -o" prints: one line per job, such as "Laser-1 anna 1024 ...".
    void setJobLines(const QStringList &lines);
    // What "lpstat -l -o" prints.
    void setDetailedJobListing(const QString &text);
    // "lpstat -a" prints each name followed by " accepting requests since ...".
    void setPrinterNames(const QStringList &names);
    // Makes one listing ("-o", "-l -o" or "-a") end with `status`, printing
    // `standardError`.
    void failListing(const QString &arguments, int status, const QString &standardError);
    void delayListing(const QString &arguments, double seconds);

    // lpmove of this job prints `standardError` and ends with status 1.
    void failMove(const QString &identifier, const QString &standardError);
    enum class MoveDelay { BeforeMoving, AfterMoving };
    void delayMoves(double seconds, MoveDelay when = MoveDelay::BeforeMoving);
    // A successful lpmove of this job leaves it in `queue` instead of the
    // destination: its own queue (nothing moved), another one, or, when
    // empty, none (the job is gone).
    void setMoveLanding(const QString &identifier, const QString &queue);

    void makeLpstatUnusable() { setLpstatExecutable(false); }

    struct Call
    {
        QString tool; // "lpstat" or "lpmove"
        QStringList arguments;
        double start = 0;
        double end = 0; // 0 while the call has not ended
    };
    // Every call so far, in the order they started.
    QList<Call> calls() const;
    QList<Call> calls(const QString &tool, const QStringList &arguments = {}) const;

private:
    static QString fileKey(const QString &arguments);
};
