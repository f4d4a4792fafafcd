// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include <Printer.h>

#include <QString>

// One listed queue with its canonical name, computed once per reload.
struct PrinterEntry
{
    Printer printer;
    QString key;
};

Q_DECLARE_TYPEINFO(PrinterEntry, Q_RELOCATABLE_TYPE);
