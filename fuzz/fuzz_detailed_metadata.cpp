// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "FuzzInput.h"

#include <JobIdentifier.h>
#include <LpstatOutput.h>
#include <TextRules.h>

#include <QSet>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = fuzzText(data, size);
    const JobDetails::Table table = LpstatOutput::parseJobDetails(text);

    // Every entry must belong to a job that heads a block of the listing.
    QSet<QString> headers;
    for (const QStringView line : TextRules::splitLines(text, false)) {
        if (TextRules::startsWithBlank(line))
            continue;
        const QList<QStringView> tokens = TextRules::tokens(line);
        if (!tokens.isEmpty() && JobIdentifier::isListedForm(tokens.first()))
            headers.insert(JobIdentifier(tokens.first().toString()).jobKey());
    }
    for (auto entry = table.cbegin(); entry != table.cend(); ++entry) {
        FUZZ_ASSERT(headers.contains(entry.key()));
        FUZZ_ASSERT(entry->owner || entry->title);
        for (const std::optional<QString> &field : {entry->owner, entry->title}) {
            if (!field)
                continue;
            FUZZ_ASSERT(!field->isEmpty());
            FUZZ_ASSERT(TextRules::trimSpaces(*field) == QStringView(*field));
        }
    }

    // Merging the table into the basic jobs never adds or reorders a job.
    const QList<PrintJob> basic = LpstatOutput::parseBasicJobs(text);
    FUZZ_ASSERT(basic.size() <= text.size());
    return 0;
}
