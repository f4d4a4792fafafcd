#include "InterimJobMove.h"

#include <TextRules.h>

#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

using namespace Qt::StringLiterals;

namespace {

// What stops a job before any tool runs. Besides a destination that is the
// job's own queue, lpmove must not be handed an argument it would take for an
// option (it has no "--"), nor a job identifier that is also a queue's name,
// which lpmove would read as "every job of that queue".
std::optional<CUPSServiceError> reasonNotToRunLpmove(const PrintJob &job, const Printer &destination,
                                                     const QList<Printer> &knownQueues)
{
    if (TextRules::canonicallyEqual(job.sourcePrinterName, destination.name))
        return CUPSServiceError::invalidDestination();
    for (const QString &argument : {job.identifier, destination.name}) {
        if (argument.startsWith(u'-'))
            return CUPSServiceError::optionLikeArgument(argument);
    }
    for (const Printer &queue : knownQueues) {
        if (TextRules::canonicallyEqual(queue.name, job.identifier))
            return CUPSServiceError::jobNamedLikeQueue(job.identifier);
    }
    return std::nullopt;
}

} // namespace

QFuture<CUPSResult<void>> moveOneJob(const CUPSService &service, const PrintJob &job, const Printer &destination,
                                     const QList<Printer> &knownQueues)
{
    using Failure = std::unexpected<CUPSServiceError>;
    return QtConcurrent::run(
               QThreadPool::globalInstance(),
               [job, destination, knownQueues] { return reasonNotToRunLpmove(job, destination, knownQueues); })
        .then([service](const std::optional<CUPSServiceError> &refusal) {
            if (refusal)
                return QtFuture::makeReadyFuture(CUPSResult<CUPSAvailability>(Failure(*refusal)));
            return service.preflight();
        })
        .unwrap()
        .then([job, destination](const CUPSResult<CUPSAvailability> &availability) {
            if (!availability)
                return QtFuture::makeReadyFuture(CUPSResult<CommandResult>(Failure(availability.error())));
            return CUPSService::run(availability->lpmoveURL, {job.identifier, destination.name});
        })
        .unwrap()
        .then([](const CUPSResult<CommandResult> &result) -> CUPSResult<void> {
            if (!result)
                return Failure(result.error());
            return CUPSService::validate(*result, u"lpmove"_s);
        });
}
