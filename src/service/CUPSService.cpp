// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "CUPSService.h"

#include "DetachedRequest.h"
#include "DetailsLookup.h"
#include "JobActionRequest.h"
#include "LpstatOutput.h"
#include "ServiceTexts.h"
#include "TextRules.h"
#include "ToolRunner.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QtConcurrent/QtConcurrentRun>

#include <array>

using namespace Qt::StringLiterals;

namespace {

template<typename T> QFuture<CUPSResult<T>> readyFailure(const CUPSServiceError &error)
{
    return QtFuture::makeReadyFuture(CUPSResult<T>(std::unexpected(error)));
}

// A listing, then what `addDetails` adds to it once it has succeeded.
template<typename Record, typename AddDetails>
QFuture<CUPSResult<QList<Record>>> withDetails(QFuture<CUPSResult<QList<Record>>> listing, AddDetails addDetails)
{
    using Result = CUPSResult<QList<Record>>;
    return listing
        .then([addDetails](const Result &listed) -> QFuture<Result> {
            if (!listed)
                return QtFuture::makeReadyFuture(listed);
            return addDetails(*listed).then([](const QList<Record> &detailed) { return Result(detailed); });
        })
        .unwrap();
}

bool isExecutableFile(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

} // namespace

CUPSService::CUPSService(const QString &lpstatURL, std::chrono::milliseconds listingTimeLimit,
                         std::chrono::milliseconds moveTimeLimit)
    : m_lpstatURL(lpstatURL)
    , m_listings(listingTimeLimit)
    , m_moves(moveTimeLimit)
{ }

void CUPSService::abandonPendingRuns()
{
    ToolRunner::abandonPendingRuns();
}

QThreadPool *CUPSService::threadPool()
{
    return ToolRunner::threadPool();
}

CUPSResult<void> CUPSService::validate(const CommandResult &result, const QString &command)
{
    if (result.timedOutAfter)
        return std::unexpected(CUPSServiceError::timedOut(command, *result.timedOutAfter));
    if (result.terminationStatus == 0)
        return {};
    const bool errorIsBlank = TextRules::trimSpacesAndLineBreaks(result.standardError).isEmpty();
    const QString &errorText = errorIsBlank ? result.standardOutput : result.standardError;
    return std::unexpected(CUPSServiceError::commandFailed(command, result.terminationStatus, errorText));
}

CUPSResult<QString> CUPSService::listingOutput(const CUPSResult<CommandResult> &run, const QString &command)
{
    if (!run)
        return std::unexpected(run.error());
    if (const auto valid = validate(*run, command); !valid)
        return std::unexpected(valid.error());
    if (run->standardOutputDropped)
        return std::unexpected(CUPSServiceError::unreadableOutput(command));
    return run->standardOutput;
}

template<typename Parse>
auto CUPSService::listing(const QString &option, Parse parse) const -> QFuture<CUPSResult<decltype(parse(QString()))>>
{
    using Result = CUPSResult<decltype(parse(QString()))>;
    const QString command = u"lpstat "_s + option;
    return m_listings.run(m_lpstatURL, {option}).then([command, parse](const CUPSResult<CommandResult> &finished) {
        const CUPSResult<QString> output = listingOutput(finished, command);
        return output ? Result(parse(*output)) : Result(std::unexpected(output.error()));
    });
}

QFuture<CUPSResult<QList<PrintJob>>> CUPSService::listJobsAsListed() const
{
    return listing(u"-o"_s, [](const QString &output) { return LpstatOutput::parseBasicJobs(output); });
}

QFuture<QList<PrintJob>> CUPSService::addJobDetails(const QList<PrintJob> &jobs) const
{
    return DetailsLookup(m_lpstatURL, m_listings).addTo(jobs);
}

QFuture<QList<PrintJob>> CUPSService::addJobDetails(const QList<PrintJob> &jobs,
                                                    const DetailsLookup::AskedJobs &asked) const
{
    return DetailsLookup(m_lpstatURL, m_listings).addTo(jobs, asked);
}

DetailsLookup::AskedJobs CUPSService::askJobDetails() const
{
    return DetailsLookup(m_lpstatURL, m_listings).askJobs();
}

QFuture<CUPSResult<QList<PrintJob>>> CUPSService::listJobs() const
{
    // The scheduler answers while the listing runs and is read.
    return withDetails(listJobsAsListed(), [service = *this, asked = askJobDetails()](const QList<PrintJob> &jobs) {
        return service.addJobDetails(jobs, asked);
    });
}

QFuture<CUPSResult<QList<Printer>>> CUPSService::listPrintersAsListed() const
{
    // lpstat words each line in the user's language, from the catalog we read too.
    return listing(u"-a"_s, [](const QString &output) {
        return LpstatOutput::parsePrinters(output, AcceptingPhrases::forEnvironment());
    });
}

QFuture<QList<Printer>> CUPSService::addQueueDetails(const QList<Printer> &printers) const
{
    return DetailsLookup(m_lpstatURL, m_listings).addTo(printers);
}

QFuture<QList<Printer>> CUPSService::addQueueDetails(const QList<Printer> &printers,
                                                     const DetailsLookup::AskedQueues &asked) const
{
    return DetailsLookup(m_lpstatURL, m_listings).addTo(printers, asked);
}

DetailsLookup::AskedQueues CUPSService::askQueueDetails() const
{
    return DetailsLookup(m_lpstatURL, m_listings).askQueues();
}

QFuture<CUPSResult<QList<Printer>>> CUPSService::listPrinters() const
{
    return withDetails(listPrintersAsListed(),
                       [service = *this, asked = askQueueDetails()](const QList<Printer> &printers) {
                           return service.addQueueDetails(printers, asked);
                       });
}

CUPSResult<QString> CUPSService::resolveLPMoveURL() const
{
    static constexpr std::array fallbackDirectories {"/usr/sbin"_L1, "/usr/bin"_L1, "/bin"_L1, "/sbin"_L1};

    // An empty entry never stands for the current directory, nor does any other.
    QStringList candidates = qEnvironmentVariable("PATH").split(u':', Qt::SkipEmptyParts);
    for (const QLatin1StringView directory : fallbackDirectories)
        candidates.append(directory);

    QSet<QString> seen;
    for (const QString &directory : std::as_const(candidates)) {
        // A relative entry ("." or "bin") would resolve against whatever folder
        // the program was started in.
        if (seen.contains(directory) || !directory.startsWith(u'/'))
            continue;
        seen.insert(directory);
        const QString candidate = QDir(directory).absoluteFilePath(u"lpmove"_s);
        if (isExecutableFile(candidate))
            return candidate;
    }
    return std::unexpected(CUPSServiceError::lpmoveUnavailable());
}

QFuture<CUPSResult<CUPSAvailability>> CUPSService::preflight() const
{
    return QtConcurrent::run(ToolRunner::threadPool(), [service = *this]() -> CUPSResult<CUPSAvailability> {
        if (!isExecutableFile(service.m_lpstatURL))
            return std::unexpected(CUPSServiceError::lpstatUnavailable(service.m_lpstatURL));
        const CUPSResult<QString> lpmove = service.resolveLPMoveURL();
        if (!lpmove)
            return std::unexpected(lpmove.error());
        return CUPSAvailability {service.m_lpstatURL, *lpmove};
    });
}

std::optional<CUPSServiceError> CUPSService::refusalToMove(const PrintJob &job, const Printer &destination,
                                                           const QList<Printer> &knownQueues)
{
    // Queue names compare as CUPS compares them.
    if (job.sourceQueue() == destination.queueName())
        return CUPSServiceError::invalidDestination();
    // lpmove has no "--": an argument that starts with "-" would be read as
    // one of its options.
    for (const QString &argument : {job.identifier, destination.name}) {
        if (argument.startsWith(u'-'))
            return CUPSServiceError::optionLikeArgument(argument);
    }
    // lpmove takes a queue's name as "every job of that queue".
    for (const Printer &queue : knownQueues) {
        if (queue.queueName() == QueueName(job.identifier))
            return CUPSServiceError::jobNamedLikeQueue(job.identifier)
                .aboutJob(job.identifier, job.jobIdentifier().listedQueue().size());
    }
    return std::nullopt;
}

QFuture<CUPSResult<void>> CUPSService::actOnJob(const PrintJob &job, JobAction action) const
{
    if (!JobActionRequest::jobNumber(job))
        return readyFailure<void>(CUPSServiceError::jobWithoutNumber(job.identifier)
                                      .aboutJob(job.identifier, job.jobIdentifier().listedQueue().size()));
    const std::chrono::milliseconds limit = m_moves.timeLimit();
    const std::atomic_bool &runsAbandoned = ToolRunner::abandoned();
    return DetachedRequest<CUPSResult<void>>::run(
               [job, action, limit, &runsAbandoned] {
                   return JobActionRequest(limit, runsAbandoned).perform(job, action);
               },
               limit, runsAbandoned)
        .then([job, action, limit, &runsAbandoned](const std::optional<CUPSResult<void>> &done) -> CUPSResult<void> {
            if (done)
                return *done;
            // The request did not come back in time and may still be stuck.
            const QString asked = JobActionRequest::operation(job, action);
            if (runsAbandoned)
                return std::unexpected(JobActionRequest::aboutJob(
                    CUPSServiceError::requestFailed(asked, ServiceTexts::programEnding(), false), job));
            return std::unexpected(JobActionRequest::aboutJob(CUPSServiceError::timedOut(asked, limit), job));
        });
}

QFuture<CUPSResult<void>> CUPSService::moveJob(const PrintJob &job, const Printer &destination,
                                               const QList<Printer> &knownQueues) const
{
    if (const std::optional<CUPSServiceError> refusal = refusalToMove(job, destination, knownQueues))
        return readyFailure<void>(*refusal);
    const QStringList arguments {job.identifier, destination.name};
    return preflight()
        .then([arguments, runner = m_moves](const CUPSResult<CUPSAvailability> &availability) {
            if (!availability)
                return readyFailure<CommandResult>(availability.error());
            return runner.run(availability->lpmoveURL, arguments);
        })
        .unwrap()
        .then([](const CUPSResult<CommandResult> &result) -> CUPSResult<void> {
            if (!result)
                return std::unexpected(result.error());
            return validate(*result, u"lpmove"_s);
        });
}
