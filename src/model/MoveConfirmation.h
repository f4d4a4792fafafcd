// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include <PrintJob.h>
#include <Printer.h>

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

// What the user confirms before a move, in parts, for a dialog that scrolls
// the job lines alone; all empty while nothing can be confirmed.
struct MoveConfirmation
{
    Q_GADGET
    QML_VALUE_TYPE(moveConfirmation)
    Q_PROPERTY(QString headline MEMBER headline FINAL)
    Q_PROPERTY(QStringList lines MEMBER lines FINAL)
    Q_PROPERTY(QString destinationText MEMBER destinationText FINAL)
    Q_PROPERTY(QString schedulerText MEMBER schedulerText FINAL)
    Q_PROPERTY(QString warning MEMBER warning FINAL)
    Q_PROPERTY(QStringList stateWarnings MEMBER stateWarnings FINAL)
    Q_PROPERTY(QStringList notes READ notes FINAL)

public:
    // "2 Druckaufträge werden verschoben:"
    QString headline;
    // One bullet per job: its identifier and the queue it waits in.
    QStringList lines;
    // "Nach: Archiv"
    QString destinationText;
    // "Server: druck01.example:631" when the jobs wait on another machine's
    // scheduler, else empty.
    QString schedulerText;
    // That paper size and driver options may differ at the destination.
    QString warning;
    // What the jobs' and the destination's states mean for this move, if
    // anything: below the usual confirmation, never in place of it.
    QStringList stateWarnings;

    // Lists every job of `jobs`.
    static MoveConfirmation compose(const QList<PrintJob> &jobs, const Printer &destination,
                                    const QString &schedulerText);

    // What stands below the job lines, in order: the destination, the
    // scheduler when it is another machine's, the warning, the state warnings.
    QStringList notes() const;
    // The whole confirmation in one text, as a screen reader hears it.
    QString text() const;

    bool operator==(const MoveConfirmation &) const = default;
};
