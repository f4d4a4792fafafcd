// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "FuzzInput.h"

#include <JobIdentifier.h>
#include <LpstatOutput.h>
#include <QueueName.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = fuzzText(data, size);
    const QList<PrintJob> jobs = LpstatOutput::parseBasicJobs(text);

    qsizetype searchFrom = 0;
    for (const PrintJob &job : jobs) {
        const std::optional<JobIdentifier> identifier = JobIdentifier::fromListing(job.identifier);
        FUZZ_ASSERT(identifier);
        // The queue is the identifier's prefix, percent-decoded where lpstat encoded it.
        FUZZ_ASSERT(QueueName::decode(identifier->listedQueue()) == job.sourcePrinterName);
        FUZZ_ASSERT(!job.sourcePrinterName.isEmpty());
        FUZZ_ASSERT(!job.owner || !job.owner->isEmpty());
        FUZZ_ASSERT(!job.title);
        // Jobs come out in the order their lines stand in the listing.
        const qsizetype at = text.indexOf(job.identifier, searchFrom);
        FUZZ_ASSERT(at >= 0);
        searchFrom = at + job.identifier.size();
    }
    return 0;
}
