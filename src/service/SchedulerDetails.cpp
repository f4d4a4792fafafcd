// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "SchedulerDetails.h"

#include "SchedulerRequest.h"
#include "TextRules.h"

#include <cups/cups.h>

#include <array>

using namespace Qt::StringLiterals;

namespace {

using IppMessage = SchedulerRequest::Message;

QString text(ipp_attribute_t *attribute, int index = 0)
{
    return QString::fromUtf8(ippGetString(attribute, index, nullptr));
}

bool isText(ipp_attribute_t *attribute)
{
    switch (ippGetValueTag(attribute)) {
    case IPP_TAG_TEXT:
    case IPP_TAG_NAME:
    case IPP_TAG_TEXTLANG:
    case IPP_TAG_NAMELANG:
    case IPP_TAG_KEYWORD:
    case IPP_TAG_URI:
        return true;
    default:
        return false;
    }
}

bool isInteger(ipp_attribute_t *attribute)
{
    return ippGetValueTag(attribute) == IPP_TAG_INTEGER || ippGetValueTag(attribute) == IPP_TAG_ENUM;
}

// A name the scheduler gave, or none where it gave only blanks.
std::optional<QString> givenName(ipp_attribute_t *attribute)
{
    if (!isText(attribute))
        return std::nullopt;
    const QString value = TextRules::trimSpacesAndLineBreaks(text(attribute)).toString();
    if (value.isEmpty())
        return std::nullopt;
    return value;
}

std::optional<PrintJob::State> jobState(int value)
{
    switch (value) {
    case IPP_JSTATE_PENDING:
        return PrintJob::State::Pending;
    case IPP_JSTATE_HELD:
        return PrintJob::State::Held;
    case IPP_JSTATE_PROCESSING:
        return PrintJob::State::Processing;
    case IPP_JSTATE_STOPPED:
        return PrintJob::State::Stopped;
    default:
        return std::nullopt;
    }
}

// The queue a printer URI names (ipp://host/printers/B%C3%BCro), decoded the
// way the job listing's identifiers are.
QString queueOfPrinterURI(const QString &uri)
{
    const qsizetype slash = uri.lastIndexOf(u'/');
    return QueueName::decode(QStringView(uri).sliced(slash + 1));
}

// Visits the attributes of each group of `tag` in the answer, one group at a
// time: `begin` at its start, `visit` for each attribute, `end` after it.
template<typename Begin, typename Visit, typename End>
void forEachGroup(ipp_t *answer, ipp_tag_t tag, Begin begin, Visit visit, End end)
{
    ipp_attribute_t *attribute = ippFirstAttribute(answer);
    while (attribute) {
        if (ippGetGroupTag(attribute) != tag || !ippGetName(attribute)) {
            attribute = ippNextAttribute(answer);
            continue;
        }
        begin();
        for (; attribute && ippGetGroupTag(attribute) == tag && ippGetName(attribute);
             attribute = ippNextAttribute(answer))
            visit(QByteArrayView(ippGetName(attribute)), attribute);
        end();
    }
}

// Sends `request` as the user, asking for the attributes `names`.
IppMessage askFor(ipp_t *request, const auto &names, std::chrono::milliseconds timeLimit,
                  const std::atomic_bool &abandoned)
{
    SchedulerRequest::addRequestingUser(request);
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", int(names.size()), nullptr,
                  names.data());
    // A scheduler that wants a login simply gives no details.
    SchedulerRequest::Result result = SchedulerRequest(timeLimit, abandoned).send(request);
    if (result.outcome != SchedulerRequest::Outcome::Answered || !SchedulerRequest::succeeded(result.answer.get()))
        return {};
    return std::move(result.answer);
}

} // namespace

SchedulerDetails::SchedulerDetails(std::chrono::milliseconds timeLimit, const std::atomic_bool &abandoned)
    : m_timeLimit(timeLimit)
    , m_abandoned(abandoned)
{ }

std::optional<JobDetails::Table> SchedulerDetails::jobs() const
{
    static constexpr std::array attributes {
        "job-id",    "job-printer-uri",   "job-name",         "job-originating-user-name",
        "job-state", "job-state-reasons", "time-at-creation", "job-k-octets",
    };
    ipp_t *request = ippNewRequest(IPP_OP_GET_JOBS);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, "ipp://localhost/");
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "which-jobs", nullptr, "not-completed");
    ippAddBoolean(request, IPP_TAG_OPERATION, "my-jobs", 0);
    const IppMessage answer = askFor(request, attributes, m_timeLimit, m_abandoned);
    if (!answer)
        return std::nullopt;
    return readJobs(answer.get());
}

JobDetails::Table SchedulerDetails::readJobs(ipp_t *answer)
{
    JobDetails::Table details;
    JobDetails job;
    QString queue;
    std::optional<qint64> number;
    forEachGroup(
        answer, IPP_TAG_JOB,
        [&] {
            // The scheduler always tells the reasons, if only as "none".
            job = JobDetails();
            job.stateReasons = QStringList();
            queue.clear();
            number.reset();
        },
        [&](QByteArrayView name, ipp_attribute_t *attribute) {
            if (name == "job-id" && isInteger(attribute))
                number = ippGetInteger(attribute, 0);
            else if (name == "job-printer-uri" && isText(attribute))
                queue = queueOfPrinterURI(text(attribute));
            else if (name == "job-name")
                job.title = givenName(attribute);
            else if (name == "job-originating-user-name")
                job.owner = givenName(attribute);
            else if (name == "job-state" && isInteger(attribute))
                job.state = jobState(ippGetInteger(attribute, 0));
            else if (name == "time-at-creation" && isInteger(attribute))
                job.submittedAt = QDateTime::fromSecsSinceEpoch(ippGetInteger(attribute, 0));
            else if (name == "job-k-octets" && isInteger(attribute))
                job.sizeKilobytes = ippGetInteger(attribute, 0);
            else if (name == "job-state-reasons" && isText(attribute)) {
                for (int i = 0; i < ippGetCount(attribute); ++i) {
                    if (const QString reason = text(attribute, i); !reason.isEmpty() && reason != u"none"_s)
                        job.stateReasons->append(reason);
                }
            }
        },
        [&] {
            // Without both it cannot be matched to a listed job.
            if (number && !queue.isEmpty())
                details.insert(JobIdentifier::jobKey(QueueName(queue), *number), std::move(job));
        });
    return details;
}

std::optional<QHash<QueueName, Printer>> SchedulerDetails::queues() const
{
    static constexpr std::array attributes {
        "printer-name",
        "printer-state",
        "printer-state-message",
        "printer-state-reasons",
        "printer-is-accepting-jobs",
        "printer-location",
        "printer-info",
    };
    const IppMessage answer = askFor(ippNewRequest(IPP_OP_CUPS_GET_PRINTERS), attributes, m_timeLimit, m_abandoned);
    if (!answer)
        return std::nullopt;
    return readQueues(answer.get());
}

QHash<QueueName, Printer> SchedulerDetails::readQueues(ipp_t *answer)
{
    QHash<QueueName, Printer> details;
    Printer queue;
    forEachGroup(
        answer, IPP_TAG_PRINTER, [&] { queue = Printer(); },
        [&](QByteArrayView name, ipp_attribute_t *attribute) {
            if (name == "printer-name" && isText(attribute))
                queue.name = text(attribute);
            else if (name == "printer-state" && isInteger(attribute))
                queue.stopped = ippGetInteger(attribute, 0) == IPP_PSTATE_STOPPED;
            else if (name == "printer-is-accepting-jobs" && ippGetValueTag(attribute) == IPP_TAG_BOOLEAN)
                queue.acceptingJobs = ippGetBoolean(attribute, 0);
            else if (name == "printer-state-message" && isText(attribute))
                queue.stateMessage = TextRules::trimSpacesAndLineBreaks(text(attribute)).toString();
            else if (name == "printer-location" && isText(attribute))
                queue.location = TextRules::trimSpacesAndLineBreaks(text(attribute)).toString();
            else if (name == "printer-info" && isText(attribute))
                queue.info = TextRules::trimSpacesAndLineBreaks(text(attribute)).toString();
        },
        [&] {
            if (!queue.name.isEmpty())
                details.insert(queue.queueName(), std::move(queue));
        });
    return details;
}

QList<Printer> SchedulerDetails::enrich(const QList<Printer> &queues, const QHash<QueueName, Printer> &details)
{
    QList<Printer> enriched;
    enriched.reserve(queues.size());
    for (Printer queue : queues) {
        if (const auto found = details.constFind(queue.queueName()); found != details.cend()) {
            queue.stopped = found->stopped;
            queue.acceptingJobs = found->acceptingJobs;
            queue.stateMessage = found->stateMessage;
            queue.location = found->location;
            queue.info = found->info;
        }
        enriched.append(std::move(queue));
    }
    return enriched;
}
