// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "JobActionRequest.h"

#include "SchedulerRequest.h"
#include "ServiceTexts.h"

#include <cups/cups.h>

#include <limits>

namespace {

ipp_op_t operationOf(JobAction action)
{
    switch (action) {
    case JobAction::Hold:
        return IPP_OP_HOLD_JOB;
    case JobAction::Release:
        return IPP_OP_RELEASE_JOB;
    case JobAction::Cancel:
        return IPP_OP_CANCEL_JOB;
    }
    Q_UNREACHABLE();
    return IPP_OP_CANCEL_JOB;
}

// IPP's own way of refusing the user, as opposed to refusing the request.
// An int: a server may send any status, also one past ipp_status_t's range.
bool refusesTheUser(int status)
{
    return status == IPP_STATUS_ERROR_FORBIDDEN || status == IPP_STATUS_ERROR_NOT_AUTHENTICATED
        || status == IPP_STATUS_ERROR_NOT_AUTHORIZED;
}

} // namespace

JobActionRequest::JobActionRequest(std::chrono::milliseconds timeLimit, const std::atomic_bool &abandoned)
    : m_timeLimit(timeLimit)
    , m_abandoned(abandoned)
{ }

std::optional<int> JobActionRequest::jobNumber(const PrintJob &job)
{
    // CUPS numbers its jobs from 1; job-id is a signed 32-bit integer.
    const std::optional<qint64> number = job.jobIdentifier().number();
    if (!number || *number < 1 || *number > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(*number);
}

QString JobActionRequest::operation(const PrintJob &job, JobAction action)
{
    return ServiceTexts::jobOperation(action, job.displayIdentifier());
}

CUPSServiceError JobActionRequest::aboutJob(const CUPSServiceError &error, const PrintJob &job)
{
    // As PrintJob::displayIdentifier() composes it.
    const qsizetype queueLength = job.jobIdentifier().listedQueue().isEmpty() || job.sourcePrinterName.isEmpty()
        ? 0
        : job.sourcePrinterName.size();
    return error.aboutJob(job.displayIdentifier(), queueLength);
}

std::expected<void, CUPSServiceError> JobActionRequest::perform(const PrintJob &job, JobAction action) const
{
    std::expected<void, CUPSServiceError> done = send(job, action);
    if (!done)
        return std::unexpected(aboutJob(done.error(), job));
    return done;
}

std::expected<void, CUPSServiceError> JobActionRequest::send(const PrintJob &job, JobAction action) const
{
    const std::optional<int> number = jobNumber(job);
    if (!number)
        return std::unexpected(CUPSServiceError::jobWithoutNumber(job.identifier));
    // The host part is not looked at; the path names the job by its number.
    const QByteArray jobURI = "ipp://localhost/jobs/" + QByteArray::number(*number);
    const QString asked = operation(job, action);

    if (action == JobAction::Hold && !job.state) {
        // The listing could not tell the job's state. Held while it prints, a
        // job is stopped and printed again from the beginning once released:
        // that is no hold anybody asked for.
        ipp_t *request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
        ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr, "job-state");
        SchedulerRequest::Result state = ask(request, jobURI);
        if (state.outcome != SchedulerRequest::Outcome::Answered)
            return judged(state, asked);
        ipp_attribute_t *value = ippFindAttribute(state.answer.get(), "job-state", IPP_TAG_ENUM);
        if (SchedulerRequest::succeeded(state.answer.get()) && value
            && ippGetInteger(value, 0) == IPP_JSTATE_PROCESSING)
            return std::unexpected(CUPSServiceError::requestFailed(asked, ServiceTexts::beingPrintedNotHeld(), false));
    }
    return judged(ask(ippNewRequest(operationOf(action)), jobURI), asked);
}

SchedulerRequest::Result JobActionRequest::ask(ipp_t *request, const QByteArray &jobURI) const
{
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, jobURI.constData());
    SchedulerRequest::addRequestingUser(request);
    return SchedulerRequest(m_timeLimit, m_abandoned, SchedulerRequest::Login::WithoutPassword).send(request);
}

std::expected<void, CUPSServiceError> JobActionRequest::judged(const SchedulerRequest::Result &result,
                                                               const QString &asked) const
{
    switch (result.outcome) {
    case SchedulerRequest::Outcome::Answered: {
        if (SchedulerRequest::succeeded(result.answer.get()))
            return {};
        const int status = ippGetStatusCode(result.answer.get());
        return std::unexpected(CUPSServiceError::requestFailed(asked, SchedulerRequest::statusText(result.answer.get()),
                                                               refusesTheUser(status)));
    }
    case SchedulerRequest::Outcome::Refused:
        return std::unexpected(CUPSServiceError::requestFailed(asked, result.reason, true));
    case SchedulerRequest::Outcome::Failed:
        return std::unexpected(CUPSServiceError::requestFailed(asked, result.reason, false));
    case SchedulerRequest::Outcome::Unreachable:
    case SchedulerRequest::Outcome::Broke:
        return std::unexpected(CUPSServiceError::requestUnanswered(asked, result.reason));
    case SchedulerRequest::Outcome::Expired:
        break;
    }
    if (m_abandoned)
        return std::unexpected(CUPSServiceError::requestFailed(asked, ServiceTexts::programEnding(), false));
    return std::unexpected(CUPSServiceError::timedOut(asked, m_timeLimit));
}
