// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "PrintJob.h"
#include "Printer.h"
#include "ToolRunner.h"

#include <QFuture>
#include <QList>
#include <QString>

// Adds to listed records what the scheduler says about them: asks it over IPP,
// and for jobs falls back to `lpstat -l -o` when it says nothing. Never fails
// and never waits longer than the time limit: without an answer the records
// stay as given.
class DetailsLookup
{
public:
    // Every request and the fallback listing keep to the time limit of
    // `listings`; once the program is ending nothing is asked.
    DetailsLookup(const QString &lpstatURL, const ToolRunner &listings);

    QFuture<QList<PrintJob>> addTo(const QList<PrintJob> &jobs) const;
    QFuture<QList<Printer>> addTo(const QList<Printer> &queues) const;

private:
    QString m_lpstatURL;
    ToolRunner m_listings;
};
