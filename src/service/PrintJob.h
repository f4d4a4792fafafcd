// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "JobIdentifier.h"

#include <QDateTime>
#include <QHashFunctions>
#include <QString>
#include <QStringList>

#include <optional>

// One job waiting in a CUPS queue, as the job listing reported it.
// Equality and hashing look at the canonical (NFC) form of every text, so a
// name that reaches us decomposed still matches its composed twin; the stored
// text stays exactly as lpstat printed it because it goes back to lpmove.
struct PrintJob
{
    // Where the job stands in the scheduler.
    enum class State {
        Pending,
        Held,
        Processing,
        Stopped,
    };

    QString identifier;
    QString sourcePrinterName;
    std::optional<QString> owner;
    std::optional<QString> title;

    // Details only the scheduler itself tells (no listing prints them); absent
    // when it could not be asked. They are not part of the job's identity.
    std::optional<State> state {};
    // The scheduler's reason keywords ("job-hold-until-specified"), never "none".
    QStringList stateReasons {};
    std::optional<QDateTime> submittedAt {};
    std::optional<qint64> sizeKilobytes {};

    const QString &id() const { return identifier; }

    // `identifier` read as what it names: its queue, its number.
    JobIdentifier jobIdentifier() const { return JobIdentifier(identifier); }
    // The queue the record says the job waits in.
    QueueName sourceQueue() const { return QueueName(sourcePrinterName); }

    // The identifier as people read it: lpstat percent-encodes non-ASCII queue
    // names (B%C3%BCro-14), so the decoded queue name stands before the job
    // number (Büro-14). `identifier` itself is what lpmove must be given.
    QString displayIdentifier() const { return jobIdentifier().displayText(sourcePrinterName); }

    // What assistive technology reads for the job's row; the state, when the
    // scheduler told it, is the last segment.
    QString accessibleDescription() const;

    // The state as one German word ("angehalten").
    static QString stateWord(State state);

    friend bool operator==(const PrintJob &lhs, const PrintJob &rhs);
};

Q_DECLARE_TYPEINFO(PrintJob, Q_RELOCATABLE_TYPE);

size_t qHash(const PrintJob &job, size_t seed = 0) noexcept;
