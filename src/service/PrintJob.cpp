// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "PrintJob.h"

#include "ServiceTexts.h"
#include "TextRules.h"

using namespace Qt::StringLiterals;

namespace {

bool optionalEqual(const std::optional<QString> &lhs, const std::optional<QString> &rhs)
{
    if (lhs.has_value() != rhs.has_value())
        return false;
    return !lhs || TextRules::canonicallyEqual(*lhs, *rhs);
}

size_t optionalHash(const std::optional<QString> &text, size_t seed)
{
    seed = qHash(text.has_value(), seed);
    return text ? qHash(TextRules::canonical(*text), seed) : seed;
}

} // namespace

QString PrintJob::accessibleDescription() const
{
    return ServiceTexts::jobAccessibleDescription(*this, displayIdentifier(), [](const QString &text) { return text; });
}

QString PrintJob::stateWord(State state)
{
    return ServiceTexts::stateWord(state);
}

bool operator==(const PrintJob &lhs, const PrintJob &rhs)
{
    return lhs.jobIdentifier() == rhs.jobIdentifier()
        && TextRules::canonicallyEqual(lhs.sourcePrinterName, rhs.sourcePrinterName)
        && optionalEqual(lhs.owner, rhs.owner) && optionalEqual(lhs.title, rhs.title);
}

size_t qHash(const PrintJob &job, size_t seed) noexcept
{
    seed = qHash(job.jobIdentifier(), seed);
    seed = qHash(TextRules::canonical(job.sourcePrinterName), seed);
    seed = optionalHash(job.owner, seed);
    return optionalHash(job.title, seed);
}
