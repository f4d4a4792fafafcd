// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

// Record builders and readers shared by the test suites.

#include <PrintJob.h>
#include <Printer.h>

#include <QList>
#include <QStringList>

#include <optional>

namespace TestRecords {

// A job whose queue is given apart from its identifier, as a listing reports
// a queue whose name the identifier spells percent-encoded.
inline PrintJob jobIn(const QString &identifier, const QString &queue, std::optional<QString> owner = std::nullopt,
                      std::optional<QString> title = std::nullopt)
{
    return PrintJob {identifier, queue, std::move(owner), std::move(title)};
}

// A job as the basic listing would give it: the queue is the identifier's text
// before its last "-".
inline PrintJob job(const QString &identifier, std::optional<QString> owner = std::nullopt,
                    std::optional<QString> title = std::nullopt)
{
    return jobIn(identifier, identifier.first(qMax(0, identifier.lastIndexOf(u'-'))), std::move(owner),
                 std::move(title));
}

// `convert` applied to each element, in order.
template<typename To, typename From, typename Convert> QList<To> mapped(const QList<From> &from, Convert convert)
{
    QList<To> result;
    result.reserve(from.size());
    for (const From &element : from)
        result.append(convert(element));
    return result;
}

inline QList<PrintJob> jobs(const QStringList &identifiers)
{
    return mapped<PrintJob>(identifiers, [](const QString &identifier) { return job(identifier); });
}

inline QList<Printer> printers(const QStringList &names)
{
    return mapped<Printer>(names, [](const QString &name) { return Printer {name}; });
}

inline QStringList identifiers(const QList<PrintJob> &jobs)
{
    return mapped<QString>(jobs, [](const PrintJob &job) { return job.identifier; });
}

inline QStringList names(const QList<Printer> &printers)
{
    return mapped<QString>(printers, [](const Printer &printer) { return printer.name; });
}

} // namespace TestRecords
