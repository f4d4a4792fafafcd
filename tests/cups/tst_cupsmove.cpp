// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
// Moving jobs with the real lpmove through the service's runner, against a
// real, private CUPS scheduler: what a move changes, and how its failures
// are judged in English and in German.

#include <CUPSService.h>
#include <CUPSServiceTestAccess.h>
#include <PrivateCupsServer.h>
#include <TerminalRun.h>
#include <TestFutures.h>
#include <TestTables.h>
#include <ToolLocale.h>

#include <QTest>

using namespace Qt::StringLiterals;
using TestFutures::await;

namespace {

const QString permissionPrefix = u"CUPS hat die Berechtigung verweigert."_s;

} // namespace

class CupsMoveTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(m_server.start({u"Laser"_s, u"Farbe"_s, u"Etage-2"_s, u"Übergabe"_s}),
                 qPrintable(m_server.lastError()));

        const CUPSResult<QString> lpmove = CUPSServiceTestAccess::resolveLPMoveURL(CUPSService());
        QVERIFY2(lpmove, "lpmove must be found on PATH or in a fallback directory");
        m_lpmove = *lpmove;
    }

    void moveGivesTheJobANewIdentifier_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("destination");
        // How lpstat -o writes the destination in the new identifier.
        QTest::addColumn<QString>("listedDestination");
        QTest::newRow("plain name") << u"Laser"_s << u"Farbe"_s << u"Farbe"_s;
        QTest::newRow("name with a dash") << u"Laser"_s << u"Etage-2"_s << u"Etage-2"_s;
        QTest::newRow("out of a queue with an umlaut") << u"Übergabe"_s << u"Farbe"_s << u"Farbe"_s;
        QTest::newRow("into a queue with an umlaut") << u"Laser"_s << u"Übergabe"_s << u"%C3%9Cbergabe"_s;
    }

    void moveGivesTheJobANewIdentifier()
    {
        QFETCH(QString, source);
        QFETCH(QString, destination);
        QFETCH(QString, listedDestination);
        const std::optional<QString> submitted = m_server.submitHeldJob(source);
        QVERIFY2(submitted, qPrintable(m_server.lastError()));
        const QString number = submitted->section(u'-', -1);

        // The identifier goes to lpmove exactly as the listing printed it.
        const QString identifier = listedJob(number).identifier;
        QVERIFY(!identifier.isEmpty());
        const CUPSResult<CommandResult> result = await(CUPSServiceTestAccess::run(m_lpmove, {identifier, destination}));
        QVERIFY(result);
        const CUPSResult<void> valid = CUPSServiceTestAccess::validate(*result, u"lpmove"_s);
        QVERIFY2(valid, qPrintable(valid ? QString() : valid.error().errorDescription()));

        // The job keeps its number and takes the destination's name.
        const PrintJob moved = listedJob(number);
        QCOMPARE(moved.identifier, listedDestination + u'-' + number);
        QCOMPARE(moved.sourcePrinterName, destination);
        QCOMPARE(moved.owner, std::optional(PrivateCupsServer::userName()));

        QVERIFY2(m_server.cancelJob(moved.identifier), qPrintable(m_server.lastError()));
    }

    void otherFailuresAreNotPermissionErrors_data()
    {
        QTest::addColumn<QByteArray>("locale");
        QTest::addColumn<QString>("job"); // empty: a fresh job of the running user
        QTest::addColumn<QString>("destination");
        QTest::addColumn<QString>("toolError");

        QTest::newRow("unknown job, English")
            << QByteArray("C") << u"Laser-99999"_s << u"Farbe"_s << u"lpmove: Job #99999 does not exist."_s;
        QTest::newRow("unknown job, German") << QByteArray("de_DE.UTF-8") << u"Laser-99999"_s << u"Farbe"_s
                                             << u"lpmove: Auftrag #99999 existiert nicht."_s;
        QTest::newRow("unknown destination, English")
            << QByteArray("C") << QString() << u"Nirgendwo"_s << u"lpmove: The printer or class does not exist."_s;
        QTest::newRow("unknown destination, German") << QByteArray("de_DE.UTF-8") << QString() << u"Nirgendwo"_s
                                                     << u"lpmove: Der Drucker oder die Klasse existiert nicht."_s;
        // lpmove takes a leading "-" for an option and has no "--"; this one
        // message names the tool by the path it was started with ($0).
        QTest::newRow("destination starting with a dash")
            << QByteArray("C") << QString() << u"-Farbe"_s << u"$0: Unknown option \"F\"."_s;
    }

    void otherFailuresAreNotPermissionErrors()
    {
        QFETCH(QByteArray, locale);
        QFETCH(QString, job);
        QFETCH(QString, destination);
        QFETCH(QString, toolError);
        if (job == QString()) {
            const std::optional<QString> identifier = m_server.submitHeldJob(u"Laser"_s);
            QVERIFY2(identifier, qPrintable(m_server.lastError()));
            job = *identifier;
        }
        const ToolLocale toolLocale(locale);

        const CUPSResult<CommandResult> result = await(CUPSServiceTestAccess::run(m_lpmove, {job, destination}));
        QVERIFY(result);
        const CUPSResult<void> valid = CUPSServiceTestAccess::validate(*result, u"lpmove"_s);
        QVERIFY(!valid);
        QCOMPARE(valid.error().errorDescription(),
                 u"lpmove ist mit Status 1 fehlgeschlagen. "_s + QString(toolError).replace(u"$0"_s, m_lpmove));
        QVERIFY(!CUPSServiceError::isPermissionError(valid.error().standardError()));
    }

    // Last, as its later rows restart the scheduler without peer credentials.
    void refusedMoveIsAPermissionError_data() { TestTables::addRefusalRows(); }

    void refusedMoveIsAPermissionError()
    {
        QFETCH(QByteArray, locale);
        QFETCH(bool, peerCredentials);
        QFETCH(QString, toolError);
        QVERIFY2(m_server.usePeerCredentials(peerCredentials), qPrintable(m_server.lastError()));
        const std::optional<QString> identifier
            = m_server.submitHeldJob(u"Laser"_s, PrivateCupsServer::otherUserName());
        QVERIFY2(identifier, qPrintable(m_server.lastError()));
        const ToolLocale toolLocale(locale);

        // Someone who neither owns the job nor is root asks to move it.
        const auto [program, arguments] = PrivateCupsServer::unprivileged(m_lpmove, {*identifier, u"Farbe"_s});
        QFETCH(bool, fromTerminal);
        CUPSResult<CommandResult> result;
        if (fromTerminal) {
            // The probe's limit is far above what a refusal takes, and the
            // terminal's wait far above the probe's limit.
            const std::optional<QString> terminal = TerminalRun::run(u"" PARVENTO_TERMINAL_RUN_PROBE ""_s,
                                                                     QStringList {u"20"_s, program} + arguments, 120);
            QVERIFY(terminal);
            QCOMPARE(terminal->section(u'\n', 0, 0), u"status=1 timedOut=0 echo=on/on"_s);
            result = CommandResult {};
            result->terminationStatus = 1;
            result->standardError = terminal->section(u'\n', 1);
        } else {
            result = await(CUPSServiceTestAccess::run(program, arguments));
        }
        QVERIFY(result);
        QCOMPARE(result->standardError.trimmed(), toolError);

        const CUPSResult<void> valid = CUPSServiceTestAccess::validate(*result, u"lpmove"_s);
        QVERIFY(!valid);
        QCOMPARE(valid.error().kind(), CUPSServiceError::Kind::CommandFailed);
        QVERIFY(CUPSServiceError::isPermissionError(valid.error().standardError()));
        QVERIFY(valid.error().errorDescription().startsWith(permissionPrefix));
        QVERIFY(valid.error().errorDescription().endsWith(u"Originalfehler: "_s + toolError));

        // Nothing moved.
        const std::optional<QStringList> identifiers = m_server.jobIdentifiers();
        QVERIFY(identifiers && identifiers->contains(*identifier));
        QVERIFY2(m_server.cancelJob(*identifier), qPrintable(m_server.lastError()));
    }

private:
    // The job with this number as listJobs() reports it; empty when not listed.
    PrintJob listedJob(const QString &number)
    {
        const CUPSResult<QList<PrintJob>> jobs = await(CUPSService().listJobs());
        if (!jobs)
            return {};
        for (const PrintJob &job : *jobs) {
            if (job.identifier.endsWith(u'-' + number))
                return job;
        }
        return {};
    }

    PrivateCupsServer m_server;
    QString m_lpmove;
};

QTEST_GUILESS_MAIN(CupsMoveTest)
#include "tst_cupsmove.moc"
