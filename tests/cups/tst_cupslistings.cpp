// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
// The job and queue listings against a real, private CUPS scheduler and the
// real lpstat, in English, German, French and Japanese.

#include <CUPSService.h>
#include <CUPSServiceTestAccess.h>
#include <LpstatOutput.h>
#include <PrivateCupsServer.h>
#include <TestFutures.h>
#include <TestRecords.h>
#include <TestTables.h>
#include <ToolLocale.h>

#include <QScopeGuard>
#include <QTest>

#include <algorithm>

using namespace Qt::StringLiterals;
using TestFutures::await;
using TestRecords::names;

namespace {

// One line per job, so a failed comparison shows which field differs.
QStringList describe(const QList<PrintJob> &jobs)
{
    QStringList lines;
    for (const PrintJob &job : jobs) {
        lines.append(job.identifier + u" | "_s + job.sourcePrinterName + u" | "_s + job.owner.value_or(u"(none)"_s)
                     + u" | "_s + job.title.value_or(u"(none)"_s));
    }
    return lines;
}

// Each locale with a word its detailed job listing really contains, to prove
// the tools spoke that language.
void addLocaleRows()
{
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<QString>("detailWord");
    QTest::newRow("English") << QByteArray("C") << u"Alerts:"_s;
    QTest::newRow("German") << QByteArray("de_DE.UTF-8") << u"Alarme:"_s;
    QTest::newRow("French") << QByteArray("fr_FR.UTF-8") << u"file d'attente pour"_s;
    QTest::newRow("Japanese") << QByteArray("ja_JP.UTF-8") << u"警告:"_s;
}

} // namespace

class CupsListingsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // lpstat -a prints "Übergabe" last (it sorts by bytes); the listing must not.
        QVERIFY2(m_server.start({u"Laser"_s, u"Etage-2"_s, u"Archiv"_s, u"Zentrale"_s, u"Übergabe"_s}),
                 qPrintable(m_server.lastError()));

        const QString me = PrivateCupsServer::userName();
        const QString documentName = u"document.txt"_s;
        const QString other = PrivateCupsServer::otherUserName();
        const QList<std::pair<QString, QString>> jobs {
            {u"Laser"_s, me},   {u"Laser"_s, other}, {u"Etage-2"_s, other},
            {u"Etage-2"_s, me}, {u"Etage-2"_s, me},  {u"Archiv"_s, other},
        };
        for (const auto &[queue, owner] : jobs) {
            const std::optional<QString> id = m_server.submitHeldJob(queue, owner);
            QVERIFY2(id, qPrintable(m_server.lastError()));
            // The scheduler gives the title lp chose, the document's file name;
            // the tests run as the user who may see every job's title.
            m_expectedJobs.append(PrintJob {*id, queue, owner, documentName});
        }
        // lpstat -o writes a non-ASCII queue name percent-encoded inside the
        // identifier; the identifier stays so, the queue name is decoded.
        const std::optional<QString> handedOver = m_server.submitHeldJob(u"Übergabe"_s, other);
        QVERIFY2(handedOver, qPrintable(m_server.lastError()));
        m_expectedJobs.append(
            PrintJob {u"%C3%9Cbergabe-"_s + handedOver->section(u'-', -1), u"Übergabe"_s, other, documentName});

        // A queue that rejects new jobs still lists the ones already waiting.
        QVERIFY2(m_server.rejectQueue(u"Archiv"_s), qPrintable(m_server.lastError()));
    }

    void jobsComeFromTheListingAndTheScheduler_data() { addLocaleRows(); }

    void jobsComeFromTheListingAndTheScheduler()
    {
        QFETCH(QByteArray, locale);
        const ToolLocale toolLocale(locale);

        const qsizetype before = m_server.answeredRequests(u"Get-Jobs"_s);
        const CUPSResult<QList<PrintJob>> jobs = await(CUPSService().listJobs());
        QVERIFY2(jobs, qPrintable(jobs ? QString() : jobs.error().errorDescription()));
        QCOMPARE(describe(*jobs), describe(m_expectedJobs));
        QCOMPARE(*jobs, m_expectedJobs);
        // The basic listing and the request for details, no more: the
        // detailed listing is not run once the scheduler has answered.
        // The scheduler logs a request just after answering it, so the count may lag a moment.
        QTRY_COMPARE(m_server.answeredRequests(u"Get-Jobs"_s) - before, 2);
    }

    void realDetailedListingYieldsNoMetadata_data() { addLocaleRows(); }

    void realDetailedListingYieldsNoMetadata()
    {
        QFETCH(QByteArray, locale);
        const ToolLocale toolLocale(locale);

        // Its indented "Alerts:" and "queued for" lines (German "Alarme:", "in
        // Warteschlange eingereiht für") must neither become jobs nor metadata.
        const CUPSResult<CommandResult> detailed
            = await(CUPSServiceTestAccess::run(CUPSService::systemLpstatURL, {u"-l"_s, u"-o"_s}));
        QVERIFY(detailed);
        QCOMPARE(detailed->terminationStatus, 0);
        QFETCH(QString, detailWord);
        QVERIFY(detailed->standardOutput.contains(detailWord));
        QCOMPARE(LpstatOutput::parseJobDetails(detailed->standardOutput).size(), 0);
        // Its unindented lines list the same jobs, without their titles. (The
        // Japanese "queued for" line starts with the queue's name, which may
        // look like a job's: Etage-2.)
        QList<PrintJob> untitled = m_expectedJobs;
        for (PrintJob &job : untitled)
            job.title.reset();
        QStringList headers = detailed->standardOutput.split(u'\n');
        headers.removeIf([](const QString &line) { return line.startsWith(u'\t'); });
        QCOMPARE(describe(LpstatOutput::parseBasicJobs(headers.join(u'\n'))), describe(untitled));
    }

    void printersAreSortedForTheUsersLocale_data()
    {
        TestTables::addColumns<QByteArray, QLocale, QStringList, QString>("locale", "userLocale", "expected",
                                                                          "acceptingWord");
        // lpstat -a prints "Übergabe" after "Zentrale" (it orders by bytes).
        const QStringList byLocale {u"Archiv"_s, u"Etage-2"_s, u"Laser"_s, u"Übergabe"_s, u"Zentrale"_s};
        QTest::newRow("English") << QByteArray("C") << QLocale(QLocale::English, QLocale::UnitedStates) << byLocale
                                 << u"accepting"_s;
        QTest::newRow("German") << QByteArray("de_DE.UTF-8") << QLocale(QLocale::German, QLocale::Germany) << byLocale
                                << u"akzeptiert"_s;
        // lpstat words these with the catalogs of CUPS only.
        QTest::newRow("French") << QByteArray("fr_FR.UTF-8") << QLocale(QLocale::French, QLocale::France) << byLocale
                                << u"accepte des requêtes"_s;
        QTest::newRow("Japanese") << QByteArray("ja_JP.UTF-8") << QLocale(QLocale::Japanese, QLocale::Japan) << byLocale
                                  << u"からリクエストを受け付けています"_s;
        QTest::newRow("C") << QByteArray("C") << QLocale::c()
                           << QStringList {u"Archiv"_s, u"Etage-2"_s, u"Laser"_s, u"Zentrale"_s, u"Übergabe"_s}
                           << u"accepting"_s;
    }

    void printersAreSortedForTheUsersLocale()
    {
        QFETCH(QByteArray, locale);
        QFETCH(QLocale, userLocale);
        QFETCH(QStringList, expected);
        QFETCH(QString, acceptingWord);
        const ToolLocale toolLocale(locale);
        const QLocale saved;
        QLocale::setDefault(userLocale);
        const auto restore = qScopeGuard([&saved] { QLocale::setDefault(saved); });

        // The rejecting queue is listed like any other.
        const CUPSResult<QList<Printer>> printers = await(CUPSService().listPrinters());
        QVERIFY2(printers, qPrintable(printers ? QString() : printers.error().errorDescription()));
        QCOMPARE(names(*printers), expected);

        const CUPSResult<CommandResult> raw
            = await(CUPSServiceTestAccess::run(CUPSService::systemLpstatURL, {u"-a"_s}));
        QVERIFY(raw && raw->standardOutput.contains(acceptingWord));
        // Without the scheduler's details the listing alone tells which queue rejects.
        QStringList rejecting;
        for (const Printer &printer :
             LpstatOutput::parsePrinters(raw->standardOutput, AcceptingPhrases::forEnvironment()))
            rejecting.append(printer.acceptingJobs ? QString() : printer.name);
        rejecting.removeAll(QString());
        QCOMPARE(rejecting, QStringList {u"Archiv"_s});
    }

    void stoppedSchedulerFailsTheListingsUntilItIsBack_data() { addLocaleRows(); }

    void stoppedSchedulerFailsTheListingsUntilItIsBack()
    {
        QFETCH(QByteArray, locale);
        const ToolLocale toolLocale(locale);

        m_server.stop();
        const CUPSResult<QList<PrintJob>> jobs = await(CUPSService().listJobs());
        const CUPSResult<QList<Printer>> printers = await(CUPSService().listPrinters());
        QVERIFY2(m_server.start(), qPrintable(m_server.lastError()));

        // lpstat has no German text for this one.
        QVERIFY(!jobs);
        QCOMPARE(jobs.error().kind(), CUPSServiceError::Kind::CommandFailed);
        QCOMPARE(jobs.error().errorDescription(),
                 u"lpstat -o ist mit Status 1 fehlgeschlagen. lpstat: Scheduler is not running."_s);
        QVERIFY(!printers);
        QCOMPARE(printers.error().errorDescription(),
                 u"lpstat -a ist mit Status 1 fehlgeschlagen. lpstat: Scheduler is not running."_s);

        // Queues and waiting jobs outlive the restart.
        const CUPSResult<QList<PrintJob>> again = await(CUPSService().listJobs());
        QVERIFY(again);
        QCOMPARE(describe(*again), describe(m_expectedJobs));
        const CUPSResult<QList<Printer>> printersAgain = await(CUPSService().listPrinters());
        QVERIFY(printersAgain);
        QCOMPARE(printersAgain->size(), 5);
    }

    // Each row sets up one queue of its own with one job, lists both, and
    // removes the queue again, so the other tests' jobs and queues stay as they are.
    void schedulerDetailsReachJobsAndQueues_data()
    {
        TestTables::addColumns<QString, QString, QString, QStringList, PrintJob::State, QString, QString, bool, bool>(
            "queue", "queueChange", "reason", "lpOptions", "state", "stateReason", "title", "stopped", "accepting");
        QTest::newRow("held job with its title")
            << u"Farbe"_s << QString() << QString() << QStringList {u"-H"_s, u"hold"_s, u"-t"_s, u"Bericht Q3.pdf"_s}
            << PrintJob::State::Held << u"job-hold-until-specified"_s << u"Bericht Q3.pdf"_s << false << true;
        QTest::newRow("job in a stopped queue waits")
            << u"Farbe"_s << u"stop"_s << u"Papierstau in Fach 2"_s << QStringList {u"-t"_s, u"Foto.png"_s}
            << PrintJob::State::Pending << QString() << u"Foto.png"_s << true << true;
        // Rejecting keeps the jobs already waiting.
        QTest::newRow("rejecting queue") << u"Farbe"_s << u"reject"_s << u"Wartung bis Montag"_s
                                         << QStringList {u"-H"_s, u"hold"_s} << PrintJob::State::Held << QString()
                                         << u"document.txt"_s << false << false;
        // lpstat and the job's printer URI both percent-encode the name.
        QTest::newRow("queue with a non-ASCII name")
            << u"Büro-Süd"_s << u"stop"_s << u"Toner leer"_s
            << QStringList {u"-H"_s, u"hold"_s, u"-t"_s, u"Brief an Müller.odt"_s} << PrintJob::State::Held << QString()
            << u"Brief an Müller.odt"_s << true << true;
    }

    void schedulerDetailsReachJobsAndQueues()
    {
        QFETCH(QString, queue);
        QFETCH(QString, queueChange);
        QFETCH(QString, reason);
        QFETCH(QStringList, lpOptions);
        QVERIFY2(m_server.addQueue(queue), qPrintable(m_server.lastError()));
        const auto removeQueue = qScopeGuard([this, queue] { QVERIFY(m_server.removeQueue(queue)); });
        // Where the printer stands and what it is, for the destination rows.
        QVERIFY2(m_server.describeQueue(queue, u"Raum 2.14"_s, u"Farblaser im Flur"_s),
                 qPrintable(m_server.lastError()));
        if (queueChange == u"stop"_s)
            QVERIFY2(m_server.stopQueue(queue, reason), qPrintable(m_server.lastError()));
        const std::optional<QString> submitted = m_server.submitJob(queue, lpOptions);
        QVERIFY2(submitted, qPrintable(m_server.lastError()));
        if (queueChange == u"reject"_s)
            QVERIFY2(m_server.rejectQueue(queue, reason), qPrintable(m_server.lastError()));

        const qsizetype before = m_server.answeredRequests(u"Get-Jobs"_s);
        const CUPSResult<QList<PrintJob>> jobs = await(CUPSService().listJobs());
        QVERIFY(jobs);
        QTRY_COMPARE(m_server.answeredRequests(u"Get-Jobs"_s) - before, 2);
        const qsizetype number = submitted->section(u'-', -1).toLongLong();
        const auto job = std::ranges::find_if(*jobs, [&](const PrintJob &listed) {
            return listed.sourcePrinterName == queue && listed.identifier.endsWith(u'-' + QString::number(number));
        });
        QVERIFY2(job != jobs->end(), qPrintable(describe(*jobs).join(u'\n')));
        QTEST(job->title.value_or(QString()), "title");
        QCOMPARE(job->owner, PrivateCupsServer::userName());
        QTEST(job->state.value_or(PrintJob::State::Stopped), "state");
        QFETCH(QString, stateReason);
        QVERIFY2(stateReason.isEmpty() || job->stateReasons.contains(stateReason),
                 qPrintable(job->stateReasons.join(u' ')));
        QVERIFY(!job->stateReasons.contains(u"none"_s));
        QVERIFY(job->submittedAt && qAbs(job->submittedAt->secsTo(QDateTime::currentDateTime())) < 600);
        QVERIFY(job->sizeKilobytes && *job->sizeKilobytes >= 1);
        // The other queues' jobs are matched too, each to its own details.
        for (const PrintJob &other : *jobs)
            QCOMPARE(other.state.has_value(), true);

        const CUPSResult<QList<Printer>> printers = await(CUPSService().listPrinters());
        QVERIFY(printers);
        const auto listed = std::ranges::find(*printers, queue, &Printer::name);
        QVERIFY(listed != printers->end());
        QTEST(listed->stopped, "stopped");
        QTEST(listed->acceptingJobs, "accepting");
        QCOMPARE(listed->stateMessage, reason);
        QCOMPARE(listed->location, u"Raum 2.14"_s);
        QCOMPARE(listed->info, u"Farblaser im Flur"_s);
        // The long-standing queues are untouched: Archiv rejects without a reason.
        const auto archive = std::ranges::find(*printers, u"Archiv"_s, &Printer::name);
        QVERIFY(archive != printers->end() && !archive->acceptingJobs && !archive->stopped);
    }

private:
    PrivateCupsServer m_server;
    QList<PrintJob> m_expectedJobs;
};

QTEST_GUILESS_MAIN(CupsListingsTest)
#include "tst_cupslistings.moc"
