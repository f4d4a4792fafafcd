#include "CUPSService.h"

#include "TextRules.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QStringDecoder>
#include <QtConcurrent/QtConcurrentRun>

#include <array>
#include <atomic>
#include <numeric>

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

QList<PrintJob> mergeMetadata(const QList<PrintJob> &jobs, const QHash<QString, JobMetadata> &metadata)
{
    QList<PrintJob> merged;
    merged.reserve(jobs.size());
    for (const PrintJob &job : jobs) {
        PrintJob enriched = job;
        const auto entry = metadata.constFind(TextRules::canonical(job.identifier));
        if (entry != metadata.cend()) {
            if (entry->owner)
                enriched.owner = entry->owner;
            if (entry->title)
                enriched.title = entry->title;
        }
        merged.append(std::move(enriched));
    }
    return merged;
}

} // namespace

CUPSService::CUPSService(const QString &lpstatURL)
    : m_lpstatURL(lpstatURL)
{ }

QString CUPSService::decodeToolOutput(const QByteArray &bytes)
{
    // A BOM is data like any other character here: nothing is dropped.
    QStringDecoder decoder(QStringDecoder::Utf8,
                           QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return {};
    return text;
}

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
    result.standardOutput = decodeToolOutput(output);
    result.standardError = decodeToolOutput(error);
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

QList<PrintJob> CUPSService::parseBasicJobs(const QString &output)
{
    QList<PrintJob> jobs;
    // One job per line is the common shape; reserving once avoids regrowing a
    // large list while thousands of jobs are appended.
    jobs.reserve(output.count(u'\n') + 1);
    TextRules::forEachLine(output, false, [&jobs](QStringView line) {
        const QList<QStringView> tokens = TextRules::leadingTokens(line, 2);
        QStringView queue;
        if (tokens.isEmpty() || !TextRules::isJobIdentifier(tokens.first(), &queue))
            return;
        PrintJob job;
        job.identifier = tokens.first().toString();
        job.sourcePrinterName = TextRules::queueNameFromJobListing(queue);
        if (tokens.size() >= 2)
            job.owner = tokens.at(1).toString();
        jobs.append(std::move(job));
    });
    return jobs;
}

QHash<QString, JobMetadata> CUPSService::parseDetailedJobMetadata(const QString &output)
{
    QHash<QString, JobMetadata> table;
    std::optional<QString> currentJob;
    TextRules::forEachLine(output, true, [&](QStringView line) {
        if (TextRules::startsWithBlank(line)) {
            if (!currentJob)
                return;
            const QStringView detail = TextRules::trimSpacesAndLineBreaks(line);
            if (TextRules::startsWithMarker(detail, "Title:"_L1)) {
                const QStringView value = TextRules::trimSpaces(detail.sliced(6));
                if (!value.isEmpty())
                    table[*currentJob].title = value.toString();
                return;
            }
            if (TextRules::startsWithMarker(detail, "User:"_L1)) {
                const QStringView value = TextRules::trimSpaces(detail.sliced(5));
                if (!value.isEmpty())
                    table[*currentJob].owner = value.toString();
            }
            return;
        }
        const QList<QStringView> tokens = TextRules::leadingTokens(line, 1);
        if (!tokens.isEmpty() && TextRules::isJobIdentifier(tokens.first()))
            currentJob = TextRules::canonical(tokens.first().toString());
        else
            currentJob.reset();
    });
    return table;
}

QList<Printer> CUPSService::parsePrinters(const QString &output)
{
    static constexpr std::array markers {
        " akzeptiert keine Anfragen"_L1, " akzeptiert Anfragen"_L1,    " is not accepting requests"_L1,
        " is accepting requests"_L1,     " not accepting requests"_L1, " accepting requests"_L1,
    };

    QList<Printer> printers;
    TextRules::forEachLine(output, false, [&printers](QStringView line) {
        qsizetype cut = -1;
        for (const QLatin1StringView marker : markers) {
            const qsizetype at = TextRules::indexOfMarker(line, marker);
            if (at >= 0 && (cut < 0 || at < cut))
                cut = at;
        }
        if (cut < 0)
            return;
        const QStringView name = TextRules::trimSpacesAndLineBreaks(line.first(cut));
        if (!name.isEmpty())
            printers.append(Printer {name.toString()});
    });

    // Sort keys give one consistent order for every pair, also for odd text
    // (such as embedded NULs) where comparing directly can disagree with them.
    QCollator collator; // the user's current locale
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    QList<QCollatorSortKey> keys;
    keys.reserve(printers.size());
    for (const Printer &printer : std::as_const(printers))
        keys.append(collator.sortKey(printer.name));
    QList<qsizetype> order(printers.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&keys](qsizetype lhs, qsizetype rhs) { return keys[lhs].compare(keys[rhs]) < 0; });
    QList<Printer> sorted;
    sorted.reserve(printers.size());
    for (qsizetype index : std::as_const(order))
        sorted.append(printers[index]);
    return sorted;
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
            QList<PrintJob> jobs = parseBasicJobs(basic->standardOutput);
            if (jobs.isEmpty())
                return readyValue(std::move(jobs));
            // The detailed listing only enriches; when it fails the basic jobs stand.
            return run(lpstat, {u"-l"_s, u"-o"_s}).then([jobs](const CUPSResult<CommandResult> &detailed) -> Result {
                if (!detailed || detailed->terminationStatus != 0)
                    return jobs;
                return mergeMetadata(jobs, parseDetailedJobMetadata(detailed->standardOutput));
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
        return parsePrinters(listing->standardOutput);
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
