// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "PrintJob.h"
#include "Printer.h"

#include <QFuture>
#include <QList>
#include <QString>

#include <atomic>
#include <chrono>

// Adds to listed records what the scheduler says about them: asks it over IPP,
// and for jobs falls back to `lpstat -l -o` when it says nothing. Never fails
// and never waits longer than the time limit: without an answer the records
// stay as given.
class DetailsLookup
{
public:
    // `abandoned` turns true when the program ends; from then on nothing is asked.
    DetailsLookup(const QString &lpstatURL, std::chrono::milliseconds timeLimit, const std::atomic_bool &abandoned);

    QFuture<QList<PrintJob>> addTo(const QList<PrintJob> &jobs) const;
    QFuture<QList<Printer>> addTo(const QList<Printer> &queues) const;

private:
    QString m_lpstatURL;
    std::chrono::milliseconds m_timeLimit;
    const std::atomic_bool &m_abandoned;
};
