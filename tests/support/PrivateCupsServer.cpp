// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "PrivateCupsServer.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>

#include <pwd.h>
#include <unistd.h>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/prctl.h>
#endif

using namespace Qt::StringLiterals;

namespace {

constexpr int startTimeoutMilliseconds = 20'000;
constexpr int stopTimeoutMilliseconds = 10'000;

QString scriptPath()
{
    return QStringLiteral(PARVENTO_SOURCE_DIR "/scripts/private-cups");
}

QString cupsdPath()
{
    return u"/usr/sbin/cupsd"_s;
}

std::optional<passwd> account(const char *name)
{
    const passwd *entry = ::getpwnam(name);
    if (!entry)
        return std::nullopt;
    return *entry;
}

} // namespace

// From here on no tool started by this process can reach the system's CUPS.
PrivateCupsServer::PrivateCupsServer()
    : m_dir(QDir::tempPath() + u"/parvento-cups-XXXXXX"_s)
    , m_serverVariable("CUPS_SERVER", socketPath().toLocal8Bit())
{ }

PrivateCupsServer::~PrivateCupsServer()
{
    stop();
}

QString PrivateCupsServer::directory() const
{
    return m_dir.path();
}

QString PrivateCupsServer::socketPath() const
{
    return m_dir.filePath(u"cups.sock"_s);
}

QString PrivateCupsServer::lastError() const
{
    return m_lastError;
}

bool PrivateCupsServer::isRunning() const
{
    return m_cupsd.state() != QProcess::NotRunning;
}

qint64 PrivateCupsServer::processId() const
{
    return m_cupsd.processId();
}

bool PrivateCupsServer::usePeerCredentials(bool enabled)
{
    if (m_peerCredentials == enabled)
        return true;
    m_peerCredentials = enabled;
    if (!isRunning())
        return true;
    stop();
    return start();
}

bool PrivateCupsServer::fail(const QString &message)
{
    m_lastError = message;
    return false;
}

bool PrivateCupsServer::start()
{
    if (!m_dir.isValid())
        return fail(u"cannot create a temporary directory: "_s + m_dir.errorString());
    // A scheduler killed from outside is running only until its death is seen.
    if (isRunning() && !m_cupsd.waitForFinished(0))
        return true;
    if (!QFile::exists(cupsdPath()))
        return fail(cupsdPath() + u" is missing; run scripts/install-deps"_s);

    // One configuration for the demo and the tests: the script writes it.
    QProcess configure;
    configure.start(u"/bin/bash"_s, {scriptPath(), u"configure"_s, directory()});
    if (!configure.waitForFinished(stopTimeoutMilliseconds) || configure.exitStatus() != QProcess::NormalExit
        || configure.exitCode() != 0) {
        return fail(u"private-cups configure failed: "_s + QString::fromLocal8Bit(configure.readAllStandardError())
                    + configure.errorString());
    }
    if (!m_peerCredentials) {
        QFile files(m_dir.filePath(u"cups-files.conf"_s));
        if (!files.open(QIODevice::Append) || files.write("PeerCred Off\n") < 0)
            return fail(u"cannot write "_s + files.fileName());
    }
    QFile::remove(socketPath());

    m_cupsd.setProgram(cupsdPath());
    m_cupsd.setArguments(
        {u"-f"_s, u"-c"_s, m_dir.filePath(u"cupsd.conf"_s), u"-s"_s, m_dir.filePath(u"cups-files.conf"_s)});
    m_cupsd.setStandardInputFile(QProcess::nullDevice());
    m_cupsd.setProcessChannelMode(QProcess::MergedChannels);
    m_cupsd.setStandardOutputFile(m_dir.filePath(u"log/cupsd.out"_s), QIODevice::Append);
#ifdef Q_OS_LINUX
    // A test process that crashes takes its scheduler with it.
    m_cupsd.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
#endif
    m_cupsd.start();
    if (!m_cupsd.waitForStarted(startTimeoutMilliseconds))
        return fail(u"cupsd did not start: "_s + m_cupsd.errorString());

    const QDeadlineTimer deadline(startTimeoutMilliseconds);
    while (!schedulerAnswers()) {
        if (m_cupsd.state() == QProcess::NotRunning) {
            m_cupsd.waitForFinished(0);
            return fail(u"cupsd exited during start-up with status %1\n"_s.arg(m_cupsd.exitCode()) + logTail());
        }
        if (deadline.hasExpired()) {
            const QString log = logTail();
            stop();
            return fail(u"cupsd did not answer within %1 ms\n"_s.arg(startTimeoutMilliseconds) + log);
        }
        QThread::msleep(20);
    }
    m_lastError.clear();
    return true;
}

bool PrivateCupsServer::start(const QStringList &queues)
{
    if (!start())
        return false;
    for (const QString &queue : queues) {
        if (!addQueue(queue))
            return false;
    }
    return true;
}

void PrivateCupsServer::stop()
{
    if (m_cupsd.state() == QProcess::NotRunning)
        return;
    m_cupsd.terminate();
    if (!m_cupsd.waitForFinished(stopTimeoutMilliseconds)) {
        m_cupsd.kill();
        m_cupsd.waitForFinished(stopTimeoutMilliseconds);
    }
}

bool PrivateCupsServer::schedulerAnswers() const
{
    // lpstat -r exits 0 whether or not the scheduler runs; only its words differ.
    const ToolRun run = runTool(u"lpstat"_s, {u"-r"_s});
    return run.started && run.standardOutput.trimmed() == u"scheduler is running"_s;
}

QString PrivateCupsServer::logTail() const
{
    QString log;
    for (const QString &name : {u"log/cupsd.out"_s, u"log/error_log"_s}) {
        QFile file(m_dir.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            log += name + u":\n"_s + QString::fromUtf8(file.readAll().right(4000));
    }
    return log;
}

QString PrivateCupsServer::toolPath(const QString &name)
{
    QString path = QStandardPaths::findExecutable(name);
    if (path.isEmpty())
        path = QStandardPaths::findExecutable(name, {u"/usr/sbin"_s, u"/usr/bin"_s, u"/sbin"_s, u"/bin"_s});
    return path;
}

PrivateCupsServer::ToolRun PrivateCupsServer::runTool(const QString &name, const QStringList &arguments) const
{
    ToolRun run;
    const QString program = toolPath(name);
    if (program.isEmpty()) {
        run.standardError = name + u" not found"_s;
        return run;
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"CUPS_SERVER"_s, socketPath());
    // The helpers read the tools' English words, whatever locale a test has set.
    environment.insert(u"LC_ALL"_s, u"C"_s);
    environment.remove(u"LANGUAGE"_s);

    QProcess process;
    process.setProcessEnvironment(environment);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(program, arguments);
    if (!process.waitForStarted(stopTimeoutMilliseconds)) {
        run.standardError = process.errorString();
        return run;
    }
    process.waitForFinished(-1);
    run.started = true;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.standardOutput = QString::fromUtf8(process.readAllStandardOutput());
    run.standardError = QString::fromUtf8(process.readAllStandardError());
    return run;
}

bool PrivateCupsServer::succeeded(const ToolRun &run, const QString &what)
{
    if (run.started && run.status == 0) {
        m_lastError.clear();
        return true;
    }
    return fail(what + u" failed with status %1: "_s.arg(run.status) + run.standardError + run.standardOutput);
}

bool PrivateCupsServer::addQueue(const QString &name)
{
    return succeeded(runTool(u"lpadmin"_s, {u"-p"_s, name, u"-E"_s, u"-v"_s, u"file:///dev/null"_s}),
                     u"lpadmin -p "_s + name);
}

bool PrivateCupsServer::removeQueue(const QString &name)
{
    return succeeded(runTool(u"lpadmin"_s, {u"-x"_s, name}), u"lpadmin -x "_s + name);
}

bool PrivateCupsServer::rejectQueue(const QString &name, const QString &reason)
{
    const QStringList arguments = reason.isEmpty() ? QStringList {name} : QStringList {u"-r"_s, reason, name};
    return succeeded(runTool(u"cupsreject"_s, arguments), u"cupsreject "_s + name);
}

bool PrivateCupsServer::stopQueue(const QString &name, const QString &reason)
{
    const QStringList arguments = reason.isEmpty() ? QStringList {name} : QStringList {u"-r"_s, reason, name};
    return succeeded(runTool(u"cupsdisable"_s, arguments), u"cupsdisable "_s + name);
}

bool PrivateCupsServer::startQueue(const QString &name)
{
    return succeeded(runTool(u"cupsenable"_s, {name}), u"cupsenable "_s + name);
}

bool PrivateCupsServer::moveJob(const QString &identifier, const QString &queue)
{
    return succeeded(runTool(u"lpmove"_s, {identifier, queue}), u"lpmove "_s + identifier);
}

bool PrivateCupsServer::describeQueue(const QString &name, const QString &location, const QString &info)
{
    return succeeded(runTool(u"lpadmin"_s, {u"-p"_s, name, u"-L"_s, location, u"-D"_s, info}),
                     u"lpadmin -L -D "_s + name);
}

std::optional<QString> PrivateCupsServer::submitHeldJob(const QString &queue, const QString &owner)
{
    QStringList options {u"-H"_s, u"hold"_s};
    if (!owner.isEmpty())
        options << u"-U"_s << owner;
    return submitJob(queue, options);
}

std::optional<QString> PrivateCupsServer::submitJob(const QString &queue, const QStringList &lpOptions)
{
    const QString document = m_dir.filePath(u"document.txt"_s);
    if (!QFile::exists(document)) {
        QFile file(document);
        if (!file.open(QIODevice::WriteOnly) || file.write("Parvento test page\n") < 0) {
            fail(u"cannot write "_s + document);
            return std::nullopt;
        }
    }
    const QStringList arguments = QStringList {u"-d"_s, queue} + lpOptions + QStringList {document};
    const ToolRun run = runTool(u"lp"_s, arguments);
    if (!succeeded(run, u"lp -d "_s + queue))
        return std::nullopt;

    static const QRegularExpression requestId(u"^request id is (\\S+) \\("_s);
    const QRegularExpressionMatch match = requestId.match(run.standardOutput);
    if (!match.hasMatch()) {
        fail(u"lp printed no request id: "_s + run.standardOutput);
        return std::nullopt;
    }
    return match.captured(1);
}

std::optional<QStringList> PrivateCupsServer::submitHeldJobs(const QStringList &queues, const QString &owner)
{
    QStringList identifiers;
    for (const QString &queue : queues) {
        const std::optional<QString> identifier = submitHeldJob(queue, owner);
        if (!identifier)
            return std::nullopt;
        identifiers.append(*identifier);
    }
    return identifiers;
}

bool PrivateCupsServer::cancelJob(const QString &identifier)
{
    return succeeded(runTool(u"cancel"_s, {identifier}), u"cancel "_s + identifier);
}

std::optional<QStringList> PrivateCupsServer::replaceJobs(const QStringList &queues)
{
    const std::optional<QStringList> waiting = jobIdentifiers();
    if (!waiting)
        return std::nullopt;
    for (const QString &identifier : *waiting) {
        if (!cancelJob(identifier))
            return std::nullopt;
    }
    if (!submitHeldJobs(queues))
        return std::nullopt;
    const std::optional<QStringList> listed = jobIdentifiers();
    if (listed && listed->size() != queues.size()) {
        fail(u"lpstat -o lists %1 jobs instead of %2"_s.arg(listed->size()).arg(queues.size()));
        return std::nullopt;
    }
    return listed;
}

std::optional<QStringList> PrivateCupsServer::jobIdentifiers()
{
    const ToolRun run = runTool(u"lpstat"_s, {u"-o"_s});
    if (!succeeded(run, u"lpstat -o"_s))
        return std::nullopt;
    QStringList identifiers;
    const QStringList lines = run.standardOutput.split(u'\n', Qt::SkipEmptyParts);
    for (const QString &line : lines) {
        if (!line.front().isSpace())
            identifiers.append(line.section(u' ', 0, 0, QString::SectionSkipEmpty));
    }
    return identifiers;
}

qsizetype PrivateCupsServer::answeredRequests(const QString &operation) const
{
    QFile log(m_dir.filePath(u"log/access_log"_s));
    if (!log.open(QIODevice::ReadOnly))
        return 0;
    // Each line ends with the operation and its status, e.g. "... 367 Get-Jobs successful-ok".
    const QByteArray needle = u" %1 "_s.arg(operation).toUtf8();
    qsizetype count = 0;
    while (!log.atEnd()) {
        if (log.readLine().contains(needle))
            ++count;
    }
    return count;
}

bool PrivateCupsServer::runsAsRoot()
{
    return ::geteuid() == 0;
}

QString PrivateCupsServer::userName()
{
    const passwd *entry = ::getpwuid(::geteuid());
    return entry ? QString::fromLocal8Bit(entry->pw_name) : qEnvironmentVariable("USER");
}

QString PrivateCupsServer::otherUserName()
{
    // Only a name in the scheduler's books; it needs no account.
    return userName() == u"anna"_s ? u"bernd"_s : u"anna"_s;
}

PrivateCupsServer::Command PrivateCupsServer::unprivileged(const QString &program, const QStringList &arguments)
{
    if (!runsAsRoot())
        return {program, arguments};
    const std::optional<passwd> nobody = account("nobody");
    const QString uid = nobody ? QString::number(nobody->pw_uid) : u"65534"_s;
    const QString gid = nobody ? QString::number(nobody->pw_gid) : u"65534"_s;
    return {toolPath(u"setpriv"_s),
            QStringList {u"--reuid"_s, uid, u"--regid"_s, gid, u"--clear-groups"_s, program} + arguments};
}
