// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
// Holding, releasing and cancelling jobs over IPP against a real, private
// CUPS scheduler: what each action changes, as the listings show it
// afterwards, and how a refusal reads.

#include <CUPSService.h>
#include <PrivateCupsServer.h>
#include <SchedulerAddress.h>
#include <TerminalRun.h>
#include <TestFutures.h>
#include <TestTables.h>
#include <ToolLocale.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <thread>

using namespace Qt::StringLiterals;
using TestFutures::await;

Q_DECLARE_METATYPE(JobAction)

namespace {

const QString permissionPrefix = u"CUPS hat die Berechtigung verweigert."_s;

// A queue whose jobs keep waiting: nothing prints, so a job that is neither
// held nor cancelled stays listed as waiting.
const QString stoppedQueue = u"Stau"_s;

// How the listing shows each job: "held", "waiting" or "other". The
// details come from the scheduler, which jobs exist from lpstat -o.
QMap<QString, QString> standings(const QList<PrintJob> &jobs)
{
    QMap<QString, QString> result;
    for (const PrintJob &job : jobs) {
        const bool waiting = job.state == PrintJob::State::Pending;
        result.insert(job.identifier,
                      job.state == PrintJob::State::Held ? u"held"_s
                          : waiting                      ? u"waiting"_s
                                                         : u"other"_s);
    }
    return result;
}

} // namespace

class CupsJobActionsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(m_server.start({u"Laser"_s, stoppedQueue}), qPrintable(m_server.lastError()));
        QVERIFY2(m_server.stopQueue(stoppedQueue), qPrintable(m_server.lastError()));
    }

    void jobActionTouchesOnlyThatJob_data()
    {
        // "%1" in the error stands for the job's number.
        TestTables::addColumns<JobAction, bool, bool, QString, QString>("action", "held", "queueNamedLikeJob",
                                                                        "standing", "error");
        QTest::newRow("hold a waiting job") << JobAction::Hold << false << false << u"held"_s << QString();
        QTest::newRow("release a held job") << JobAction::Release << true << false << u"waiting"_s << QString();
        QTest::newRow("cancel a held job") << JobAction::Cancel << true << false << u"gone"_s << QString();
        QTest::newRow("cancel a waiting job") << JobAction::Cancel << false << false << u"gone"_s << QString();
        // CUPS takes "Stau-7" for the first job of a queue "stau-7" when the
        // job is named by its queue.
        QTest::newRow("hold beside a queue named like the job")
            << JobAction::Hold << false << true << u"held"_s << QString();
        QTest::newRow("release beside a queue named like the job")
            << JobAction::Release << true << true << u"waiting"_s << QString();
        QTest::newRow("cancel beside a queue named like the job")
            << JobAction::Cancel << true << true << u"gone"_s << QString();
        QTest::newRow("release a job that is not held")
            << JobAction::Release << false << false << u"waiting"_s
            << u"Das Freigeben des Auftrags Stau-%1 ist fehlgeschlagen. Job #%1 is not held."_s;
    }

    void jobActionTouchesOnlyThatJob()
    {
        QFETCH(JobAction, action);
        QFETCH(bool, held);
        QFETCH(bool, queueNamedLikeJob);
        const std::optional<QString> submitted
            = held ? m_server.submitHeldJob(stoppedQueue) : m_server.submitJob(stoppedQueue, {});
        QVERIFY2(submitted, qPrintable(m_server.lastError()));
        const QString number = submitted->section(u'-', -1);
        const QString namedLikeJob = stoppedQueue.toLower() + u'-' + number;
        const auto removeQueue = qScopeGuard([&] {
            if (queueNamedLikeJob)
                m_server.removeQueue(namedLikeJob);
        });
        if (queueNamedLikeJob) {
            QVERIFY2(m_server.addQueue(namedLikeJob) && m_server.stopQueue(namedLikeJob)
                         && m_server.submitJob(namedLikeJob, {}) && m_server.submitHeldJob(namedLikeJob),
                     qPrintable(m_server.lastError()));
        }
        const CUPSResult<QList<PrintJob>> before = await(CUPSService().listJobs());
        QVERIFY(before);
        const auto job = std::ranges::find(*before, *submitted, &PrintJob::identifier);
        QVERIFY(job != before->cend());
        QCOMPARE(standings(*before).value(*submitted), held ? u"held"_s : u"waiting"_s);

        const CUPSResult<void> acted = await(CUPSService().actOnJob(*job, action));
        QFETCH(QString, error);
        if (error.isEmpty())
            QVERIFY2(acted, qPrintable(acted ? QString() : acted.error().errorDescription()));
        else
            QCOMPARE(acted ? QString() : acted.error().errorDescription(), error.arg(number));

        // The listing afterwards: that job as expected, every other one as it was.
        const CUPSResult<QList<PrintJob>> after = await(CUPSService().listJobs());
        QVERIFY(after);
        QFETCH(QString, standing);
        QMap<QString, QString> expected = standings(*before);
        expected.insert(*submitted, standing);
        if (standing == u"gone"_s)
            expected.remove(*submitted);
        QCOMPARE(standings(*after), expected);
        if (standing != u"gone"_s)
            QVERIFY(await(CUPSService().actOnJob(*job, JobAction::Cancel)));
    }

    void jobWithoutANumberIsRefusedUnasked_data()
    {
        // "%1" stands for the waiting job's number plus 2^32.
        QTest::addColumn<QString>("identifier");
        QTest::newRow("no number") << u"Stau-"_s;
        QTest::newRow("zero") << u"Stau-0"_s;
        // Cut to 32 bits, it would name the waiting job.
        QTest::newRow("beyond a job number") << u"Stau-%1"_s;
    }

    void jobWithoutANumberIsRefusedUnasked()
    {
        QFETCH(QString, identifier);
        const std::optional<QString> waiting = m_server.submitHeldJob(stoppedQueue);
        QVERIFY2(waiting, qPrintable(m_server.lastError()));
        if (identifier.contains(u"%1"_s))
            identifier = identifier.arg(waiting->section(u'-', -1).toLongLong() + (qint64(1) << 32));
        const qsizetype cancelsBefore = m_server.answeredRequests(u"Cancel-Job"_s);

        const QFuture<CUPSResult<void>> acted
            = CUPSService().actOnJob(PrintJob {identifier, stoppedQueue, {}, {}}, JobAction::Cancel);
        QVERIFY(acted.isFinished());
        QVERIFY(!acted.result());
        QCOMPARE(acted.result().error().kind(), CUPSServiceError::Kind::JobWithoutNumber);
        QCOMPARE(m_server.answeredRequests(u"Cancel-Job"_s), cancelsBefore);
        const std::optional<QStringList> identifiers = m_server.jobIdentifiers();
        QVERIFY(identifiers && identifiers->contains(*waiting));
        QVERIFY2(m_server.cancelJob(*waiting), qPrintable(m_server.lastError()));
    }

    // Last, as its later rows restart the scheduler without peer credentials.
    // A refusal reads like a refused lpmove: the same explanation, then the
    // scheduler's own words. The rows are the move's; the account that asks
    // is one the scheduler refuses (root never is), and from a terminal
    // nobody is asked for a password there.
    void refusedJobActionReadsLikeARefusedMove_data() { TestTables::addRefusalRows(); }

    void refusedJobActionReadsLikeARefusedMove()
    {
        QFETCH(QByteArray, locale);
        QFETCH(bool, peerCredentials);
        QFETCH(QString, toolError);
        QFETCH(bool, fromTerminal);
        QVERIFY2(m_server.usePeerCredentials(peerCredentials), qPrintable(m_server.lastError()));
        const std::optional<QString> identifier
            = m_server.submitHeldJob(u"Laser"_s, PrivateCupsServer::otherUserName());
        QVERIFY2(identifier, qPrintable(m_server.lastError()));
        const ToolLocale toolLocale(locale);

        const auto [program, arguments] = PrivateCupsServer::unprivileged(u"" PARVENTO_JOB_ACTION_PROBE ""_s,
                                                                          {u"cancel"_s, *identifier, u"Laser"_s});
        std::optional<QString> said;
        if (fromTerminal) {
            said = TerminalRun::run(program, arguments, 120);
        } else {
            QProcess probe;
            probe.start(program, arguments);
            if (probe.waitForFinished(120'000) && probe.exitCode() == 0)
                said = QString::fromUtf8(probe.readAllStandardOutput());
        }
        QVERIFY(said);
        const QString echo = fromTerminal ? u"on/on"_s : u"none/none"_s;
        QCOMPARE(said->section(u'\n', 0, 0), u"failed permission=1 echo="_s + echo);
        const QString description = said->section(u'\n', 1).trimmed();
        QVERIFY2(description.startsWith(permissionPrefix), qPrintable(description));
        QCOMPARE(description.section(u"Originalfehler: "_s, 1), toolError.section(u' ', 1));

        // Nothing cancelled.
        const std::optional<QStringList> identifiers = m_server.jobIdentifiers();
        QVERIFY(identifiers && identifiers->contains(*identifier));
        QVERIFY2(m_server.cancelJob(*identifier), qPrintable(m_server.lastError()));
    }

    // The scheduler is decided once, at start: a client configuration that
    // names another one later sends neither a listing nor a hold there.
    void clientConfigurationChangedMidRunReachesNoOtherScheduler()
    {
        PrivateCupsServer other;
        QVERIFY2(other.start({u"Fremd"_s}), qPrintable(other.lastError()));
        QVERIFY2(other.submitHeldJob(u"Fremd"_s), qPrintable(other.lastError()));
        const QTemporaryDir home;
        QVERIFY(QDir(home.path()).mkpath(u".cups"_s));
        const auto configure = [&home](const QString &socket) {
            QFile clientConf(home.filePath(u".cups/client.conf"_s));
            return clientConf.open(QIODevice::WriteOnly | QIODevice::Truncate)
                && clientConf.write("ServerName " + QFile::encodeName(socket) + '\n') > 0;
        };
        QVERIFY(configure(m_server.socketPath()));
        EnvironmentOverride environment("CUPS_SERVER", std::nullopt);
        environment.set("HOME", QFile::encodeName(home.path()));
        // libcups reads HOME once per thread: a fresh one reads it as the
        // program's main thread does at start.
        std::optional<SchedulerAddress> pinned;
        std::thread([&pinned] { pinned = SchedulerAddress::pin(); }).join();
        QVERIFY(pinned);
        QCOMPARE(pinned->displayText(), m_server.socketPath());

        QVERIFY(configure(other.socketPath()));
        const std::optional<QStringList> ours = m_server.jobIdentifiers();
        QVERIFY2(ours, qPrintable(m_server.lastError()));
        const CUPSResult<QList<PrintJob>> listed = await(CUPSService().listJobs());
        QVERIFY(listed);
        QStringList identifiers;
        for (const PrintJob &job : *listed)
            identifiers.append(job.identifier);
        QCOMPARE(identifiers, *ours);

        const std::optional<QString> submitted = m_server.submitJob(stoppedQueue, {});
        QVERIFY2(submitted, qPrintable(m_server.lastError()));
        const auto cancel = qScopeGuard([&] { m_server.cancelJob(*submitted); });
        const CUPSResult<void> held
            = await(CUPSService().actOnJob(PrintJob {*submitted, stoppedQueue, {}, {}}, JobAction::Hold));
        QVERIFY2(held, qPrintable(held ? QString() : held.error().errorDescription()));
        const CUPSResult<QList<PrintJob>> after = await(CUPSService().listJobs());
        QVERIFY(after);
        QCOMPARE(standings(*after).value(*submitted), u"held"_s);
        QCOMPARE(other.answeredRequests(u"Hold-Job"_s), 0);
    }

private:
    PrivateCupsServer m_server;
};

QTEST_GUILESS_MAIN(CupsJobActionsTest)
#include "tst_cupsjobactions.moc"
