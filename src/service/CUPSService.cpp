#include "CUPSService.h"

#include "LpstatOutput.h"
#include "TextRules.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QtConcurrent/QtConcurrentRun>

#include <array>
#include <atomic>

using namespace Qt::StringLiterals;

namespace {

std::atomic_bool runsAbandoned = false;

// How often a waiting run looks whether the program is ending.
constexpr int abandonCheckMilliseconds = 100;

template<typename T> QFuture<CUPSResult<T>> readyFailure(const CUPSServiceError &error)
{
    return QtFuture::makeReadyFuture(CUPSResult<T>(std::unexpected(error)));
}

template<typename T> QFuture<CUPSResult<T>> readyValue(T value)
{
    return QtFuture::makeReadyFuture(CUPSResult<T>(std::move(value)));
}

bool isExecutableFile(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

} // namespace

CUPSService::CUPSService(const QString &lpstatURL)
    : m_lpstatURL(lpstatURL)
{ }

CUPSResult<CommandResult> CUPSService::runBlocking(const QString &executableURL, const QStringList &arguments)
{
    QProcess process;
    process.setProgram(executableURL);
    process.setArguments(arguments);
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.setInputChannelMode(QProcess::ForwardedInputChannel);
    if (runsAbandoned)
        return std::unexpected(CUPSServiceError::launchFailed(executableURL, u"Parvento wird beendet."_s));
    process.start(QIODevice::ReadOnly);
    if (!process.waitForStarted(-1))
        return std::unexpected(CUPSServiceError::launchFailed(executableURL, process.errorString()));

    // waitForFinished keeps reading both pipes while it waits, so a child that
    // writes more than a pipe holds never stalls. There is no time limit; the
    // wait only wakes up now and then to see whether the program is ending.
    while (!process.waitForFinished(abandonCheckMilliseconds) && process.state() != QProcess::NotRunning) {
        if (runsAbandoned) {
            process.kill();
            process.waitForFinished(-1);
            break;
        }
    }

    const QByteArray output = process.readAllStandardOutput();
    const QByteArray error = process.readAllStandardError();
    CommandResult result;
    result.standardOutput = LpstatOutput::decodeToolOutput(output);
    result.standardError = LpstatOutput::decodeToolOutput(error);
    result.standardOutputDropped = result.standardOutput.isEmpty() && !output.isEmpty();
    result.standardErrorDropped = result.standardError.isEmpty() && !error.isEmpty();
    result.terminationStatus = process.exitCode();
    // A child ended by a signal reports the signal number; never let it pass as success.
    if (process.exitStatus() == QProcess::CrashExit && result.terminationStatus == 0)
        result.terminationStatus = -1;
    return result;
}

void CUPSService::abandonPendingRuns()
{
    runsAbandoned = true;
}

QFuture<CUPSResult<CommandResult>> CUPSService::run(const QString &executableURL, const QStringList &arguments)
{
    return QtConcurrent::run(QThreadPool::globalInstance(), &CUPSService::runBlocking, executableURL, arguments);
}

CUPSResult<void> CUPSService::validate(const CommandResult &result, const QString &command)
{
    if (result.terminationStatus == 0)
        return {};
    const bool errorIsBlank = TextRules::trimSpacesAndLineBreaks(result.standardError).isEmpty();
    const QString &errorText = errorIsBlank ? result.standardOutput : result.standardError;
    return std::unexpected(CUPSServiceError::commandFailed(command, result.terminationStatus, errorText));
}

QFuture<CUPSResult<QList<PrintJob>>> CUPSService::listJobs() const
{
    using Result = CUPSResult<QList<PrintJob>>;
    const QString lpstat = m_lpstatURL;
    return run(lpstat, {u"-o"_s})
        .then([lpstat](const CUPSResult<CommandResult> &basic) -> QFuture<Result> {
            if (!basic)
                return readyFailure<QList<PrintJob>>(basic.error());
            if (const auto valid = validate(*basic, u"lpstat -o"_s); !valid)
                return readyFailure<QList<PrintJob>>(valid.error());
            if (basic->standardOutputDropped)
                return readyFailure<QList<PrintJob>>(CUPSServiceError::unreadableOutput(u"lpstat -o"_s));
            QList<PrintJob> jobs = LpstatOutput::parseBasicJobs(basic->standardOutput);
            if (jobs.isEmpty())
                return readyValue(std::move(jobs));
            // The detailed listing only enriches; when it fails the basic jobs stand.
            return run(lpstat, {u"-l"_s, u"-o"_s}).then([jobs](const CUPSResult<CommandResult> &detailed) -> Result {
                if (!detailed || detailed->terminationStatus != 0)
                    return jobs;
                return LpstatOutput::mergeMetadata(jobs,
                                                   LpstatOutput::parseDetailedJobMetadata(detailed->standardOutput));
            });
        })
        .unwrap();
}

QFuture<CUPSResult<QList<Printer>>> CUPSService::listPrinters() const
{
    return run(m_lpstatURL, {u"-a"_s}).then([](const CUPSResult<CommandResult> &listing) -> CUPSResult<QList<Printer>> {
        if (!listing)
            return std::unexpected(listing.error());
        if (const auto valid = validate(*listing, u"lpstat -a"_s); !valid)
            return std::unexpected(valid.error());
        if (listing->standardOutputDropped)
            return std::unexpected(CUPSServiceError::unreadableOutput(u"lpstat -a"_s));
        return LpstatOutput::parsePrinters(listing->standardOutput);
    });
}

CUPSResult<QString> CUPSService::resolveLPMoveURL() const
{
    static constexpr std::array fallbackDirectories {"/usr/sbin"_L1, "/usr/bin"_L1, "/bin"_L1, "/sbin"_L1};

    // An empty entry never stands for the current directory.
    QStringList candidates = qEnvironmentVariable("PATH").split(u':', Qt::SkipEmptyParts);
    for (const QLatin1StringView directory : fallbackDirectories)
        candidates.append(directory);

    QSet<QString> seen;
    for (const QString &directory : std::as_const(candidates)) {
        if (seen.contains(directory))
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
    return QtConcurrent::run(QThreadPool::globalInstance(), [service = *this]() -> CUPSResult<CUPSAvailability> {
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
    if (TextRules::canonicallyEqual(job.sourcePrinterName, destination.name))
        return CUPSServiceError::invalidDestination();
    // lpmove has no "--": an argument that starts with "-" would be read as
    // one of its options.
    for (const QString &argument : {job.identifier, destination.name}) {
        if (argument.startsWith(u'-'))
            return CUPSServiceError::optionLikeArgument(argument);
    }
    // lpmove takes a queue's name as "every job of that queue".
    for (const Printer &queue : knownQueues) {
        if (TextRules::canonicallyEqual(queue.name, job.identifier))
            return CUPSServiceError::jobNamedLikeQueue(job.identifier);
    }
    return std::nullopt;
}

QFuture<CUPSResult<void>> CUPSService::moveJob(const PrintJob &job, const Printer &destination,
                                               const QList<Printer> &knownQueues) const
{
    if (const std::optional<CUPSServiceError> refusal = refusalToMove(job, destination, knownQueues))
        return readyFailure<void>(*refusal);
    const QStringList arguments {job.identifier, destination.name};
    return preflight()
        .then([arguments](const CUPSResult<CUPSAvailability> &availability) {
            if (!availability)
                return readyFailure<CommandResult>(availability.error());
            return run(availability->lpmoveURL, arguments);
        })
        .unwrap()
        .then([](const CUPSResult<CommandResult> &result) -> CUPSResult<void> {
            if (!result)
                return std::unexpected(result.error());
            return validate(*result, u"lpmove"_s);
        });
}
