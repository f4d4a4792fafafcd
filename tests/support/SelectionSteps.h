// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

// Drives a selection by steps such as "toggle A-1" and "dest C", for the tests
// of JobSelection and of the window model.

#include <TestRecords.h>

#include <QStringList>

#include <algorithm>

namespace SelectionSteps {

// The jobs and queues most selection tests start from; "Bu\u0308ro" is "Büro"
// decomposed.
inline const QStringList baseJobs {QStringLiteral("A-1"), QStringLiteral("A-2"), QStringLiteral("B-3"),
                                   QStringLiteral("C-4"), QStringLiteral("Bu\u0308ro-5")};
inline const QStringList basePrinters {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("B\u00fcro"),
                                       QStringLiteral("C"), QStringLiteral("D")};

// "toggle X" calls `toggle` with the listed job X (a fresh record when X is
// not listed); "dest X" calls `choose` with X.
template<typename Toggle, typename Choose>
void apply(const QList<PrintJob> &listed, const QStringList &steps, Toggle toggle, Choose choose)
{
    for (const QString &step : steps) {
        const QString argument = step.section(u' ', 1);
        if (step.startsWith(QLatin1StringView("toggle "))) {
            const auto found = std::find_if(listed.cbegin(), listed.cend(),
                                            [&argument](const PrintJob &job) { return job.identifier == argument; });
            toggle(found != listed.cend() ? *found : TestRecords::job(argument));
        } else if (step.startsWith(QLatin1StringView("dest "))) {
            choose(argument);
        } else {
            qFatal("unknown step %s", qPrintable(step));
        }
    }
}

// The steps that toggle each of `identifiers`, then choose `destination`.
inline QStringList toggleThenChoose(const QStringList &identifiers, const QString &destination)
{
    QStringList steps;
    for (const QString &identifier : identifiers)
        steps.append(QLatin1StringView("toggle ") + identifier);
    steps.append(QLatin1StringView("dest ") + destination);
    return steps;
}

inline QStringList sorted(const QSet<QString> &set)
{
    QStringList list = set.values();
    list.sort();
    return list;
}

} // namespace SelectionSteps
