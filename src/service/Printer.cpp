// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "Printer.h"

#include "TextRules.h"

bool operator==(const Printer &lhs, const Printer &rhs)
{
    return TextRules::canonicallyEqual(lhs.name, rhs.name);
}

size_t qHash(const Printer &printer, size_t seed) noexcept
{
    return qHash(TextRules::canonical(printer.name), seed);
}
