// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include <PrintJob.h>

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

// What the user confirms before jobs are cancelled, in the parts the move
// confirmation has, for the same dialog that scrolls the job lines alone;
// all empty while no cancel is asked about.
struct CancelConfirmation
{
    Q_GADGET
    QML_VALUE_TYPE(cancelConfirmation)
    Q_PROPERTY(QString headline MEMBER headline FINAL)
    Q_PROPERTY(QStringList lines MEMBER lines FINAL)
    Q_PROPERTY(QStringList notes MEMBER notes FINAL)

public:
    // "2 Druckaufträge werden abgebrochen:"
    QString headline;
    // One bullet per job: its identifier, its queue, its title when known.
    QStringList lines;
    // The scheduler when it is another machine's, then what cancelling means.
    QStringList notes;
    // Exactly the jobs listed, which a confirmed cancel acts on.
    QList<PrintJob> jobs;

    static CancelConfirmation compose(const QList<PrintJob> &jobs, const QString &schedulerText);

    // The whole confirmation in one text, as a screen reader hears it.
    QString text() const;

    bool operator==(const CancelConfirmation &) const = default;
};
