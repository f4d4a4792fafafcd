// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include <CUPSService.h>
#include <CUPSServiceTestAccess.h>
#include <EnvironmentOverride.h>
#include <FakeToolDirectory.h>
#include <PathOverride.h>
#include <TestFutures.h>
#include <TestTables.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QScopeGuard>
#include <QTest>

#include <clocale>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

Q_DECLARE_METATYPE(PrintJob)

using namespace Qt::StringLiterals;
using TestFutures::await;

namespace {

CommandResult runScript(const QString &script, const QStringList &arguments = {})
{
    const CUPSResult<CommandResult> result = await(CUPSServiceTestAccess::run(script, arguments));
    if (!result)
        qFatal("could not start %s", qPrintable(script));
    return *result;
}

// How the job listing (or with `printers` the queue listing) fails when lpstat is this script.
CUPSServiceError listingError(bool printers, const QString &lpstatScript,
                              std::chrono::milliseconds timeLimit = CUPSService::defaultListingTimeLimit)
{
    FakeToolDirectory tools;
    const CUPSService service(tools.addScript(u"lpstat"_s, lpstatScript), timeLimit);
    return printers ? await(service.listPrinters()).error() : await(service.listJobs()).error();
}

} // namespace

class RunnerTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void argumentsArriveVerbatim()
    {
        FakeToolDirectory tools;
        const QString echo = tools.addScript(u"args"_s, u"for a in \"$@\"; do printf '[%s]' \"$a\"; done"_s);
        const QStringList arguments {u"two words"_s, u"\"quoted\""_s, u"$(touch /tmp/parvento-pwned)"_s,
                                     u";"_s,         u"Bu\u0308ro"_s, u"-x"_s};
        QCOMPARE(runScript(echo, arguments).standardOutput,
                 u"[two words][\"quoted\"][$(touch /tmp/parvento-pwned)][;][Bu\u0308ro][-x]"_s);
        QVERIFY(!QFile::exists(u"/tmp/parvento-pwned"_s));
        QCOMPARE(runScript(echo, {}).standardOutput, QString());
        QCOMPARE(runScript(tools.addScript(u"count"_s, u"printf %s $#"_s)).standardOutput, u"0"_s);
    }

    void streamsStaySeparateAndStatusIsKept()
    {
        FakeToolDirectory tools;
        const CommandResult result
            = runScript(tools.addScript(u"mixed"_s, u"printf 'out\\n'; printf ' \\n' >&2; exit 4"_s));
        QCOMPARE(result.standardOutput, u"out\n"_s);
        QCOMPARE(result.standardError, u" \n"_s);
        QCOMPARE(result.terminationStatus, 4);
        QCOMPARE(CUPSServiceTestAccess::validate(result, u"lpstat -o"_s).error().standardError(), u"out\n"_s);
    }

    void invalidUtf8EmptiesOnlyThatStream()
    {
        FakeToolDirectory tools;
        const CommandResult result
            = runScript(tools.addScript(u"bad"_s, u"printf 'gut \\303\\274'; printf 'b\\377se' >&2"_s));
        QCOMPARE(result.standardOutput, u"gut ü"_s);
        QCOMPARE(result.standardError, QString());
        const CommandResult truncated = runScript(tools.addScript(u"cut"_s, u"printf 'ab\\303'"_s));
        QCOMPARE(truncated.standardOutput, QString());
    }

    void largeOutputOnBothStreamsCompletes()
    {
        FakeToolDirectory tools;
        const CommandResult result = runScript(tools.addScript(
            u"big"_s, u"head -c 1048576 /dev/zero | tr '\\0' a; head -c 1048576 /dev/zero | tr '\\0' b >&2"_s));
        QCOMPARE(result.standardOutput.size(), 1048576);
        QCOMPARE(result.standardError.size(), 1048576);
    }

    void signalEndsCountAsFailure()
    {
        FakeToolDirectory tools;
        const CommandResult result = runScript(tools.addScript(u"killed"_s, u"kill -9 $$"_s));
        QVERIFY(result.terminationStatus != 0);
        QVERIFY(!CUPSServiceTestAccess::validate(result, u"lpmove"_s));
    }

    void startFailureNamesThePlainPath_data()
    {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QByteArray>("locale");
        QTest::addColumn<QString>("reason"); // in the user's language
        QTest::newRow("missing") << false << QByteArray("C.UTF-8") << u"No such file or directory"_s;
        QTest::newRow("not executable") << true << QByteArray("C.UTF-8") << u"Permission denied"_s;
        QTest::newRow("missing, German") << false << QByteArray("de_DE.UTF-8")
                                         << u"Datei oder Verzeichnis nicht gefunden"_s;
    }

    void startFailureNamesThePlainPath()
    {
        QFETCH(bool, exists);
        QFETCH(QByteArray, locale);
        QFETCH(QString, reason);
        const QByteArray savedLocale = setlocale(LC_MESSAGES, nullptr);
        QVERIFY(setlocale(LC_MESSAGES, locale.constData()));
        const auto restoreLocale = qScopeGuard([&savedLocale] { setlocale(LC_MESSAGES, savedLocale.constData()); });
        FakeToolDirectory tools;
        const QString path = exists ? tools.addPlainFile(u"lpstat"_s, "#!/bin/sh\n") : tools.filePath(u"nope"_s);
        const CUPSResult<CommandResult> result = await(CUPSServiceTestAccess::run(path, {u"-o"_s}));
        QVERIFY(!result);
        QCOMPARE(result.error().kind(), CUPSServiceError::Kind::LaunchFailed);
        QCOMPARE(result.error().executable(), path);
        QCOMPARE(result.error().reason(), reason);
        QVERIFY(result.error().errorDescription().startsWith(path + u" konnte nicht gestartet werden: "_s));
    }

    void listJobsMergesTheDetailedListing_data()
    {
        // "silent": a scheduler that takes the connection and never answers;
        // otherwise none can be reached.
        TestTables::addColumns<QString, QList<PrintJob>, QStringList, QString>("lpstat", "expected", "runs",
                                                                               "scheduler");

        const QString basic = u"  -o) printf 'Laser-42 anna 1 x\\nHP-Office-7 ben 2\\nPlotter-8\\n' ;;\n"_s;
        QTest::newRow("worked example") << basic
                + u"  -l) printf 'Laser-42 anna\\n\\tTitle: Bericht.pdf\\n\\tUser: anna.m  \\n\\n"
                  u"Plotter-8\\n\\tUser: pia\\nGhost-1\\n\\tTitle: g\\n' ;;\n"_s
                                        << QList {PrintJob {u"Laser-42"_s, u"Laser"_s, u"anna.m"_s, u"Bericht.pdf"_s},
                                                  PrintJob {u"HP-Office-7"_s, u"HP-Office"_s, u"ben"_s, {}},
                                                  PrintJob {u"Plotter-8"_s, u"Plotter"_s, u"pia"_s, {}}}
                                        << QStringList {u"-o"_s, u"-l -o"_s} << QString();
        // Its request gives up at the listing's time limit; the detailed listing stands in.
        QTest::newRow("scheduler never answers")
            << basic + u"  -l) printf 'Laser-42\\n\\tTitle: Bericht.pdf\\n' ;;\n"_s
            << QList {PrintJob {u"Laser-42"_s, u"Laser"_s, u"anna"_s, u"Bericht.pdf"_s},
                      PrintJob {u"HP-Office-7"_s, u"HP-Office"_s, u"ben"_s, {}},
                      PrintJob {u"Plotter-8"_s, u"Plotter"_s, {}, {}}}
            << QStringList {u"-o"_s, u"-l -o"_s} << u"silent"_s;
        QTest::newRow("detailed listing fails") << basic + u"  -l) printf 'Laser-42\\n\\tTitle: X\\n'; exit 1 ;;\n"_s
                                                << QList {PrintJob {u"Laser-42"_s, u"Laser"_s, u"anna"_s, {}},
                                                          PrintJob {u"HP-Office-7"_s, u"HP-Office"_s, u"ben"_s, {}},
                                                          PrintJob {u"Plotter-8"_s, u"Plotter"_s, {}, {}}}
                                                << QStringList {u"-o"_s, u"-l -o"_s} << QString();
        QTest::newRow("no jobs, no detailed run")
            << u"  -o) printf 'no entries\\n' ;;\n"_s << QList<PrintJob> {} << QStringList {u"-o"_s} << QString();
    }

    void listJobsMergesTheDetailedListing()
    {
        QFETCH(QString, lpstat);
        QFETCH(QList<PrintJob>, expected);
        QFETCH(QStringList, runs);

        FakeToolDirectory tools;
        const QString log = tools.filePath(u"runs.log"_s);
        const QString script
            = tools.addScript(u"lpstat"_s, u"echo \"$*\" >> '%1'\ncase \"$1\" in\n%2esac"_s.arg(log, lpstat));
        QFETCH(QString, scheduler);
        EnvironmentOverride server;
        const int silent = scheduler.isEmpty() ? -1 : ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        const auto closeSilent = qScopeGuard([silent] {
            if (silent >= 0)
                ::close(silent);
        });
        if (!scheduler.isEmpty()) {
            const QByteArray path = QFile::encodeName(tools.filePath(u"silent.sock"_s));
            sockaddr_un address {};
            address.sun_family = AF_UNIX;
            qstrncpy(address.sun_path, path.constData(), sizeof address.sun_path);
            QVERIFY(::bind(silent, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0);
            QVERIFY(::listen(silent, 4) == 0);
            server.set("CUPS_SERVER", path);
        }
        QElapsedTimer clock;
        clock.start();
        const CUPSResult<QList<PrintJob>> jobs = await(CUPSService(script, std::chrono::seconds(1)).listJobs());
        QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(jobs);
        QCOMPARE(*jobs, expected);
        QFile logFile(log);
        QVERIFY(logFile.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(logFile.readAll()).split(u'\n', Qt::SkipEmptyParts), runs);
    }

    void listingFailuresCarryTheirLabel_data() { TestTables::addBoolRows("printers", "jobs", "printers"); }

    void listingFailuresCarryTheirLabel()
    {
        QFETCH(bool, printers);
        const CUPSServiceError error = listingError(printers, u"echo 'lpstat: No scheduler' >&2; exit 1"_s);
        QCOMPARE(error.command(), printers ? u"lpstat -a"_s : u"lpstat -o"_s);
        QCOMPARE(error.standardError(), u"lpstat: No scheduler\n"_s);
    }

    void hangingListingIsStoppedAtItsLimit_data() { TestTables::addBoolRows("printers", "jobs", "printers"); }

    // Stopped at the limit (here 0.3 s) instead of keeping the window busy for ever.
    void hangingListingIsStoppedAtItsLimit()
    {
        QFETCH(bool, printers);
        QElapsedTimer clock;
        clock.start();
        const CUPSServiceError error = listingError(printers, u"exec sleep 600"_s, std::chrono::milliseconds(300));
        QVERIFY(clock.elapsed() < 10'000);
        QCOMPARE(error.errorDescription(),
                 (printers ? u"lpstat -a"_s : u"lpstat -o"_s)
                     + u" hat nach 0,3 Sekunden nicht geendet und wurde abgebrochen."_s);
    }

    void unreadableListingIsAnErrorNotAnEmptyList_data() { TestTables::addBoolRows("printers", "jobs", "printers"); }

    void unreadableListingIsAnErrorNotAnEmptyList()
    {
        QFETCH(bool, printers);
        const CUPSServiceError error = listingError(printers, u"printf 'Laser-1 \\377nna\\n'"_s);
        QCOMPARE(error.kind(), CUPSServiceError::Kind::UnreadableOutput);
        QCOMPARE(error.command(), printers ? u"lpstat -a"_s : u"lpstat -o"_s);
    }

    void preflightSearchesPathThenFallbacks_data()
    {
        QTest::addColumn<QStringList>("pathEntries"); // "@n" names temp directory n
        QTest::addColumn<QList<int>>("executableIn");
        QTest::addColumn<QList<int>>("plainIn");
        QTest::addColumn<int>("expected"); // directory index, -1 for unavailable

        QTest::newRow("first executable in PATH order")
            << QStringList {u"@1"_s, u"@0"_s} << QList {0, 1} << QList<int> {} << 1;
        QTest::newRow("non-executable first candidate is passed over")
            << QStringList {u"@0"_s, u"@1"_s} << QList {1} << QList {0} << 1;
        QTest::newRow("empty entries are not the current directory")
            << QStringList {u""_s, u"@0"_s, u""_s} << QList {0} << QList<int> {} << 0;
        QTest::newRow("relative entries are not the current directory either")
            << QStringList {u"."_s, u"./"_s, u"@0"_s} << QList {0} << QList<int> {} << 0;
    }

    void preflightSearchesPathThenFallbacks()
    {
        QFETCH(QStringList, pathEntries);
        QFETCH(QList<int>, executableIn);
        QFETCH(QList<int>, plainIn);
        QFETCH(int, expected);

        FakeToolDirectory directories[2];
        for (int index : executableIn)
            directories[index].addScript(u"lpmove"_s, u"exit 0"_s);
        for (int index : plainIn)
            directories[index].addPlainFile(u"lpmove"_s);
        QStringList entries;
        for (const QString &entry : pathEntries)
            entries.append(entry.startsWith(u'@') ? directories[entry.mid(1).toInt()].path() : entry);

        FakeToolDirectory cwd;
        cwd.addScript(u"lpmove"_s, u"exit 0"_s);
        const QString saved = QDir::currentPath();
        QDir::setCurrent(cwd.path());
        const PathOverride path(entries.join(u':').toUtf8());
        const CUPSResult<QString> found = CUPSServiceTestAccess::resolveLPMoveURL(CUPSService(u"/bin/sh"_s));
        QDir::setCurrent(saved);

        QVERIFY(found);
        QCOMPARE(*found, directories[expected].filePath(u"lpmove"_s));
    }

    void preflightWithoutPathUsesOnlyFallbacks()
    {
        const PathOverride path(std::nullopt);
        const CUPSResult<QString> found = CUPSServiceTestAccess::resolveLPMoveURL(CUPSService(u"/bin/sh"_s));
        // Whatever the machine has, the answer can only come from the four fallbacks.
        if (found) {
            QVERIFY(QStringList({u"/usr/sbin/lpmove"_s, u"/usr/bin/lpmove"_s, u"/bin/lpmove"_s, u"/sbin/lpmove"_s})
                        .contains(*found));
        } else {
            QCOMPARE(found.error().kind(), CUPSServiceError::Kind::LpmoveUnavailable);
        }
    }

    void preflightReportsTheMissingTool()
    {
        FakeToolDirectory tools;
        const QString plain = tools.addPlainFile(u"lpstat"_s);
        const CUPSResult<CUPSAvailability> noLpstat = await(CUPSService(plain).preflight());
        QCOMPARE(noLpstat.error().kind(), CUPSServiceError::Kind::LpstatUnavailable);
        QCOMPARE(noLpstat.error().path(), plain);

        const QString lpstat = tools.addScript(u"lpstat2"_s, u"exit 0"_s);
        FakeToolDirectory bin;
        const QString lpmove = bin.addScript(u"lpmove"_s, u"exit 0"_s);
        {
            const PathOverride path(bin.path().toUtf8());
            const CUPSResult<CUPSAvailability> ok = await(CUPSService(lpstat).preflight());
            QVERIFY(ok);
            QCOMPARE(ok->lpstatURL, lpstat);
            QCOMPARE(ok->lpmoveURL, lpmove);
        }
        if (!QFile::exists(u"/usr/sbin/lpmove"_s) && !QFile::exists(u"/usr/bin/lpmove"_s)) {
            const PathOverride path(tools.path().toUtf8());
            QCOMPARE(await(CUPSService(lpstat).preflight()).error().kind(), CUPSServiceError::Kind::LpmoveUnavailable);
        }
    }
};

QTEST_GUILESS_MAIN(RunnerTest)
#include "tst_runner.moc"
