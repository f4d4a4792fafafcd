#pragma once

// Record builders and readers shared by the test suites.

#include <PrintJob.h>
#include <Printer.h>

#include <QList>
#include <QStringList>

#include <optional>

namespace TestRecords {

// A job as the basic listing would give it: the queue is the identifier's text
// before its last "-".
inline PrintJob job(const QString &identifier, std::optional<QString> owner = std::nullopt,
                    std::optional<QString> title = std::nullopt)
{
    return PrintJob {identifier, identifier.first(qMax(0, identifier.lastIndexOf(u'-'))), std::move(owner),
                     std::move(title)};
}

inline QList<PrintJob> jobs(const QStringList &identifiers)
{
    QList<PrintJob> result;
    result.reserve(identifiers.size());
    for (const QString &identifier : identifiers)
        result.append(job(identifier));
    return result;
}

inline QList<Printer> printers(const QStringList &names)
{
    QList<Printer> result;
    result.reserve(names.size());
    for (const QString &name : names)
        result.append(Printer {name});
    return result;
}

inline QStringList identifiers(const QList<PrintJob> &jobs)
{
    QStringList result;
    result.reserve(jobs.size());
    for (const PrintJob &job : jobs)
        result.append(job.identifier);
    return result;
}

inline QStringList names(const QList<Printer> &printers)
{
    QStringList result;
    result.reserve(printers.size());
    for (const Printer &printer : printers)
        result.append(printer.name);
    return result;
}

} // namespace TestRecords
