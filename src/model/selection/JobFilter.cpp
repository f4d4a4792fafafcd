// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "JobFilter.h"

#include <TextRules.h>

#include <algorithm>

namespace {

// Separates the fields of a search text. Neither a listing nor the scheduler
// ever hands over a NUL, and the typed text is stripped of it.
constexpr QChar fieldSeparator = u'\0';

// Below U+0300 no character decomposes, so folding needs no decomposition first.
bool hasNoCombiningParts(const QString &text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x300; });
}

} // namespace

QString JobFilter::folded(const QString &text)
{
    // A combining mark can fold as well (U+0345 becomes an iota), so the
    // decomposed form is folded and composed again afterwards.
    if (hasNoCombiningParts(text))
        return TextRules::canonical(text.toCaseFolded());
    return TextRules::canonical(text.normalized(QString::NormalizationForm_D).toCaseFolded());
}

QString JobFilter::searchText(const PrintJob &job)
{
    QString text = folded(job.displayIdentifier());
    text += fieldSeparator;
    text += folded(job.sourcePrinterName);
    text += fieldSeparator;
    text += folded(job.owner.value_or(QString()));
    text += fieldSeparator;
    text += folded(job.title.value_or(QString()));
    return text;
}

void JobFilter::setText(const QString &text)
{
    m_text = text;
    m_needle = folded(text);
    m_needle.remove(fieldSeparator);
}

bool JobFilter::narrows(const JobFilter &other) const
{
    return (!other.m_queueKey || other.m_queueKey == m_queueKey) && m_needle.contains(other.m_needle);
}
