// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
// The answers of whatever server CUPS_SERVER names, read by libcups's own IPP
// reader and then by what makes details and action verdicts of them.
#include "FuzzInput.h"

#include <SchedulerDetails.h>
#include <SchedulerRequest.h>
#include <TextRules.h>

#include <cups/ipp.h>

#include <algorithm>
#include <cstring>

namespace {

struct Bytes
{
    const uint8_t *data;
    size_t left;
};

ssize_t readBytes(void *context, ipp_uchar_t *buffer, size_t length)
{
    auto *bytes = static_cast<Bytes *>(context);
    const size_t taken = std::min(length, bytes->left);
    std::memcpy(buffer, bytes->data, taken);
    bytes->data += taken;
    bytes->left -= taken;
    return ssize_t(taken);
}

qsizetype attributesNamed(ipp_t *answer, ipp_tag_t group, const char *name)
{
    qsizetype count = 0;
    for (ipp_attribute_t *attribute = ippFirstAttribute(answer); attribute; attribute = ippNextAttribute(answer)) {
        if (ippGetGroupTag(attribute) == group && ippGetName(attribute)
            && std::strcmp(ippGetName(attribute), name) == 0)
            ++count;
    }
    return count;
}

bool isTrimmedName(const std::optional<QString> &name)
{
    return !name || (!name->isEmpty() && TextRules::trimSpacesAndLineBreaks(*name) == QStringView(*name));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const SchedulerRequest::Message answer(ippNew());
    Bytes bytes {data, size};
    // A broken answer never reaches the readers in the program; whatever
    // libcups made of it so far must not trouble them either.
    (void)ippReadIO(&bytes, readBytes, 1, nullptr, answer.get());

    const JobDetails::Table jobs = SchedulerDetails::readJobs(answer.get());
    // Each job needs a number of its own group to be matched at all.
    FUZZ_ASSERT(jobs.size() <= attributesNamed(answer.get(), IPP_TAG_JOB, "job-id"));
    for (const JobDetails &job : jobs) {
        FUZZ_ASSERT(isTrimmedName(job.title));
        FUZZ_ASSERT(isTrimmedName(job.owner));
        FUZZ_ASSERT(job.stateReasons);
        for (const QString &reason : *job.stateReasons)
            FUZZ_ASSERT(!reason.isEmpty() && reason != QLatin1StringView("none"));
    }

    const QHash<QueueName, Printer> queues = SchedulerDetails::readQueues(answer.get());
    FUZZ_ASSERT(queues.size() <= attributesNamed(answer.get(), IPP_TAG_PRINTER, "printer-name"));
    for (auto queue = queues.cbegin(); queue != queues.cend(); ++queue) {
        FUZZ_ASSERT(!queue->name.isEmpty());
        FUZZ_ASSERT(queue.key() == queue->queueName());
    }
    const QList<Printer> enriched = SchedulerDetails::enrich(queues.values(), queues);
    FUZZ_ASSERT(enriched.size() == queues.size());

    // What a job action reports: always some reason.
    FUZZ_ASSERT(!SchedulerRequest::statusText(answer.get()).isEmpty());
    // Any 16 bits, also past the enumeration's range.
    const int status = ippGetStatusCode(answer.get());
    FUZZ_ASSERT(!SchedulerRequest::succeeded(answer.get()) || status < IPP_STATUS_REDIRECTION_OTHER_SITE);
    FUZZ_ASSERT(SchedulerRequest::succeeded(answer.get()) || status != IPP_STATUS_OK);
    return 0;
}
