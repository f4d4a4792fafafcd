// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
// The job and queue listings against a real, private CUPS scheduler and the
// real lpstat, in English and in German.

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
        const QString other = PrivateCupsServer::otherUserName();
        const QList<std::pair<QString, QString>> jobs {
            {u"Laser"_s, me},   {u"Laser"_s, other}, {u"Etage-2"_s, other},
            {u"Etage-2"_s, me}, {u"Etage-2"_s, me},  {u"Archiv"_s, other},
        };
        for (const auto &[queue, owner] : jobs) {
            const std::optional<QString> id = m_server.submitHeldJob(queue, owner);
            QVERIFY2(id, qPrintable(m_server.lastError()));
            // Real listings have no Title: or User: lines, so titles stay absent.
            m_expectedJobs.append(PrintJob {*id, queue, owner, std::nullopt});
        }
        // lpstat -o writes a non-ASCII queue name percent-encoded inside the
        // identifier; the identifier stays so, the queue name is decoded.
        const std::optional<QString> handedOver = m_server.submitHeldJob(u"Übergabe"_s, other);
        QVERIFY2(handedOver, qPrintable(m_server.lastError()));
        m_expectedJobs.append(
            PrintJob {u"%C3%9Cbergabe-"_s + handedOver->section(u'-', -1), u"Übergabe"_s, other, std::nullopt});

        // A queue that rejects new jobs still lists the ones already waiting.
        QVERIFY2(m_server.rejectQueue(u"Archiv"_s), qPrintable(m_server.lastError()));
    }

    void jobsComeFromBothRealListings_data() { addLocaleRows(); }

    void jobsComeFromBothRealListings()
    {
        QFETCH(QByteArray, locale);
        const ToolLocale toolLocale(locale);

        const qsizetype before = m_server.answeredRequests(u"Get-Jobs"_s);
        const CUPSResult<QList<PrintJob>> jobs = await(CUPSService().listJobs());
        QVERIFY2(jobs, qPrintable(jobs ? QString() : jobs.error().errorDescription()));
        QCOMPARE(describe(*jobs), describe(m_expectedJobs));
        QCOMPARE(*jobs, m_expectedJobs);
        // The basic and the detailed listing both reached the scheduler.
        QCOMPARE(m_server.answeredRequests(u"Get-Jobs"_s) - before, 2);
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
        QCOMPARE(LpstatOutput::parseDetailedJobMetadata(detailed->standardOutput).size(), 0);
        QCOMPARE(describe(LpstatOutput::parseBasicJobs(detailed->standardOutput)), describe(m_expectedJobs));
    }

    void printersAreSortedForTheUsersLocale_data()
    {
        TestTables::addColumns<QByteArray, QLocale, QStringList, QString>("locale", "userLocale", "expected",
                                                                          "acceptingWord");
        // lpstat -a prints "Übergabe" after "Zentrale" (it orders by bytes).
        QTest::newRow("English") << QByteArray("C") << QLocale(QLocale::English, QLocale::UnitedStates)
                                 << QStringList {u"Archiv"_s, u"Etage-2"_s, u"Laser"_s, u"Übergabe"_s, u"Zentrale"_s}
                                 << u"accepting"_s;
        QTest::newRow("German") << QByteArray("de_DE.UTF-8") << QLocale(QLocale::German, QLocale::Germany)
                                << QStringList {u"Archiv"_s, u"Etage-2"_s, u"Laser"_s, u"Übergabe"_s, u"Zentrale"_s}
                                << u"akzeptiert"_s;
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

private:
    PrivateCupsServer m_server;
    QList<PrintJob> m_expectedJobs;
};

QTEST_GUILESS_MAIN(CupsListingsTest)
#include "tst_cupslistings.moc"
