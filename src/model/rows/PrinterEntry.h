// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include <Printer.h>

#include <QString>

// One listed queue with its listed spelling (QueueName::canonical()),
// computed once per reload.
struct PrinterEntry
{
    Printer printer;
    QString key;
    // How many listed jobs wait in the queue.
    qsizetype waitingJobs = 0;
};

Q_DECLARE_TYPEINFO(PrinterEntry, Q_RELOCATABLE_TYPE);
