// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "PrintJob.h"

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
    QStringList segments {displayIdentifier(), u"Quelle: "_s + sourcePrinterName};
    if (owner && !owner->isEmpty())
        segments.append(u"Eigentümer: "_s + *owner);
    if (title && !title->isEmpty())
        segments.append(u"Titel: "_s + *title);
    if (state)
        segments.append(u"Status: "_s + stateWord(*state));
    return segments.join(u" · "_s);
}

QString PrintJob::stateWord(State state)
{
    switch (state) {
    case State::Pending:
        return u"wartet"_s;
    case State::Held:
        return u"angehalten"_s;
    case State::Processing:
        return u"wird gedruckt"_s;
    case State::Stopped:
        return u"gestoppt"_s;
    }
    return {};
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
