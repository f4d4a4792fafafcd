// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "QueueName.h"

#include <QHashFunctions>
#include <QString>

// One CUPS queue as the printer listing named it.
struct Printer
{
    QString name;

    // What the scheduler says about the queue, when it could be asked; the
    // defaults are what the listing alone implies. Not part of the identity.
    bool stopped = false;
    bool acceptingJobs = true;
    // The administrator's reason for stopping or rejecting ("Papierstau").
    QString stateMessage {};
    // Where the printer stands ("Raum 2.14") and what it is ("Farblaser"), as
    // its administrator set them; empty when unset or unknown.
    QString location {};
    QString info {};

    const QString &id() const { return name; }
    QueueName queueName() const { return QueueName(name); }

    friend bool operator==(const Printer &lhs, const Printer &rhs);
};

Q_DECLARE_TYPEINFO(Printer, Q_RELOCATABLE_TYPE);

size_t qHash(const Printer &printer, size_t seed = 0) noexcept;
