// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "ToolRunner.h"

#include "BackgroundWork.h"
#include "LpstatOutput.h"
#include "ServiceTexts.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QtConcurrent/QtConcurrentRun>

#include <cerrno>
#include <csignal>
#include <cstring>

#include <unistd.h>

namespace {

std::atomic_bool runsAbandoned = false;

// How often a waiting run looks whether the program is ending.
constexpr int abandonCheckMilliseconds = 100;

// strerror_r in either of its two flavours (GNU returns the text, POSIX fills
// the buffer).
[[maybe_unused]] const char *errorTextFrom(const char *text, const char *)
{
    return text;
}
[[maybe_unused]] const char *errorTextFrom(int, const char *buffer)
{
    return buffer;
}
const char *systemErrorText(int error, char *buffer, size_t size)
{
    return errorTextFrom(strerror_r(error, buffer, size), buffer);
}

// Why a program did not start, in the user's language. Qt's own text is
// English ("execvp: No such file or directory"), so ask the C library, which
// speaks the user's locale, about the usual causes.
QString launchFailureReason(const QString &executableURL, const QProcess &process)
{
    const QByteArray path = QFile::encodeName(executableURL);
    errno = 0;
    if (::access(path.constData(), X_OK) != 0 || QFileInfo(executableURL).isDir()) {
        const int cause = errno != 0 ? errno : EACCES;
        char buffer[256] = {};
        return QString::fromLocal8Bit(systemErrorText(cause, buffer, sizeof buffer));
    }
    return process.errorString();
}

} // namespace

std::expected<CommandResult, CUPSServiceError> ToolRunner::runBlocking(const QString &executableURL,
                                                                       const QStringList &arguments) const
{
    QProcess process;
    process.setProgram(executableURL);
    process.setArguments(arguments);
    process.setProcessChannelMode(QProcess::SeparateChannels);
    // No tool may ever ask for a password. libcups prompts on /dev/tty, the
    // controlling terminal, when the scheduler wants one: with echo off, unseen
    // in the window, and whatever is typed goes to the scheduler. A new session
    // has no controlling terminal, so that prompt fails at once and the tool
    // reports the refusal; standard input reads nothing either.
    process.setStandardInputFile(QProcess::nullDevice());
    process.setChildProcessModifier([] { ::setsid(); });
    if (runsAbandoned)
        return std::unexpected(CUPSServiceError::launchFailed(executableURL, ServiceTexts::programEnding()));
    process.start(QIODevice::ReadOnly);
    if (!process.waitForStarted(-1))
        return std::unexpected(
            CUPSServiceError::launchFailed(executableURL, launchFailureReason(executableURL, process)));

    // waitForFinished keeps reading both pipes while it waits, so a child that
    // writes more than a pipe holds never stalls. The wait wakes up now and
    // then to see whether the program is ending or the time is up.
    const QDeadlineTimer deadline(m_timeLimit);
    bool timedOut = false;
    while (!process.waitForFinished(abandonCheckMilliseconds) && process.state() != QProcess::NotRunning) {
        timedOut = deadline.hasExpired();
        if (runsAbandoned || timedOut) {
            // The child leads its own process group: whatever it started goes
            // too. Its number stays taken until the wait below reaps it.
            if (const qint64 pid = process.processId(); pid > 0)
                ::kill(-static_cast<pid_t>(pid), SIGKILL);
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
    if (timedOut)
        result.timedOutAfter = m_timeLimit;
    return result;
}

QFuture<std::expected<CommandResult, CUPSServiceError>> ToolRunner::run(const QString &executableURL,
                                                                        const QStringList &arguments) const
{
    return QtConcurrent::run(threadPool(),
                             [runner = *this, executableURL, arguments, counted = BackgroundWork::begin()] {
                                 return runner.runBlocking(executableURL, arguments);
                             });
}

void ToolRunner::abandonPendingRuns()
{
    runsAbandoned = true;
}

const std::atomic_bool &ToolRunner::abandoned()
{
    return runsAbandoned;
}

QThreadPool *ToolRunner::threadPool()
{
    // Not the global pool: Qt's raster painting splits large fills across
    // that one and waits for them, so a tool run that hangs there would keep
    // the window from painting.
    static QThreadPool pool;
    return &pool;
}
