// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include <CUPSService.h>
#include <CUPSServiceTestAccess.h>
#include <EnvironmentOverride.h>
#include <SchedulerAddress.h>
#include <ServiceTexts.h>
#include <TestTables.h>

#include <QScopeGuard>
#include <QTest>

using namespace Qt::StringLiterals;

using OptionalText = std::optional<QString>;
using OptionalNumber = std::optional<qint64>;
Q_DECLARE_METATYPE(PrintJob)
Q_DECLARE_METATYPE(OptionalText)
Q_DECLARE_METATYPE(OptionalNumber)
Q_DECLARE_METATYPE(CUPSServiceError)
Q_DECLARE_METATYPE(CommandResult)

class RecordsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void accessibleDescriptionLeavesOutMissingSegments_data()
    {
        TestTables::addColumns<QString, QString, OptionalText, OptionalText, QString>("identifier", "queue", "owner",
                                                                                      "title", "expected");

        QTest::newRow("percent-encoded queue reads as named")
            << u"B%C3%BCro-Farbe-14"_s << u"Büro-Farbe"_s << OptionalText() << OptionalText()
            << u"Büro-Farbe-14 · Quelle: Büro-Farbe"_s;
        QTest::newRow("all four") << u"Laser-42"_s << u"Laser"_s << OptionalText(u"anna"_s)
                                  << OptionalText(u"Bericht.pdf"_s)
                                  << u"Laser-42 · Quelle: Laser · Eigentümer: anna · Titel: Bericht.pdf"_s;
        QTest::newRow("neither") << u"Laser-42"_s << u"Laser"_s << OptionalText() << OptionalText()
                                 << u"Laser-42 · Quelle: Laser"_s;
        QTest::newRow("title only") << u"Laser-42"_s << u"Laser"_s << OptionalText() << OptionalText(u"T"_s)
                                    << u"Laser-42 · Quelle: Laser · Titel: T"_s;
        QTest::newRow("empty owner and title count as missing") << u"Laser-42"_s << u"Laser"_s << OptionalText(u""_s)
                                                                << OptionalText(u""_s) << u"Laser-42 · Quelle: Laser"_s;
    }

    void accessibleDescriptionLeavesOutMissingSegments()
    {
        QFETCH(QString, identifier);
        QFETCH(QString, queue);
        QFETCH(OptionalText, owner);
        QFETCH(OptionalText, title);
        QFETCH(QString, expected);
        const PrintJob job {identifier, queue, owner, title};
        QCOMPARE(job.accessibleDescription(), expected);
    }

    void equalityAndHashAgree_data()
    {
        TestTables::addColumns<PrintJob, PrintJob, bool>("lhs", "rhs", "equal");

        const PrintJob base {u"Büro-1"_s, u"Büro"_s, u"jürgen"_s, u"Übersicht"_s};
        QTest::newRow("NFC and NFD spellings are one job")
            << base << PrintJob {u"Bu\u0308ro-1"_s, u"Bu\u0308ro"_s, u"ju\u0308rgen"_s, u"U\u0308bersicht"_s} << true;
        QTest::newRow("absent differs from empty")
            << PrintJob {u"A-1"_s, u"A"_s, {}, {}} << PrintJob {u"A-1"_s, u"A"_s, u""_s, {}} << false;
        QTest::newRow("title alone differs")
            << base << PrintJob {base.identifier, base.sourcePrinterName, base.owner, u"Andere"_s} << false;
        QTest::newRow("case matters") << PrintJob {u"A-1"_s, u"A"_s, {}, {}} << PrintJob {u"a-1"_s, u"a"_s, {}, {}}
                                      << false;
        QTest::newRow("owner and title are not interchangeable")
            << PrintJob {u"A-1"_s, u"A"_s, u"x"_s, {}} << PrintJob {u"A-1"_s, u"A"_s, {}, u"x"_s} << false;
    }

    void equalityAndHashAgree()
    {
        QFETCH(PrintJob, lhs);
        QFETCH(PrintJob, rhs);
        QFETCH(bool, equal);
        QCOMPARE(lhs == rhs, equal);
        if (equal)
            QCOMPARE(qHash(lhs, 7), qHash(rhs, 7));
        const Printer left {lhs.sourcePrinterName};
        const Printer right {rhs.sourcePrinterName};
        if (left == right)
            QCOMPARE(qHash(left, 3), qHash(right, 3));
    }

    void sameIdentifierMeansSameIdentity()
    {
        const PrintJob a {u"Laser-1"_s, u"Laser"_s, {}, u"A"_s};
        const PrintJob b {u"Laser-1"_s, u"Laser"_s, {}, u"B"_s};
        QVERIFY(a != b);
        QCOMPARE(a.id(), b.id());
        QCOMPARE(Printer {u"Laser"_s}.id(), u"Laser"_s);
    }

    // What CUPS_SERVER names, as libcups reads it, and whether it is this machine.
    void schedulerAddress_data()
    {
        TestTables::addColumns<QByteArray, QString, bool>("server", "shown", "local");
        QTest::newRow("host and port") << "druck01.example:8631"_ba << u"druck01.example:8631"_s << false;
        QTest::newRow("host alone: the IPP port") << "druck01.example"_ba << u"druck01.example:631"_s << false;
        QTest::newRow("local socket") << "/run/cups/cups.sock"_ba << u"/run/cups/cups.sock"_s << true;
        QTest::newRow("localhost") << "localhost:631"_ba << u"localhost:631"_s << true;
        QTest::newRow("IPv4 loopback") << "127.0.0.2"_ba << u"127.0.0.2:631"_s << true;
        QTest::newRow("IPv6 loopback") << "[::1]"_ba << u"[::1]:631"_s << true;
        // Another port on loopback is most often a tunnel to another machine.
        QTest::newRow("IPv6 loopback at another port") << "[::1]:8631"_ba << u"[::1]:8631"_s << false;
        QTest::newRow("localhost at another port") << "localhost:8631"_ba << u"localhost:8631"_s << false;
        QTest::newRow("another address") << "192.0.2.7"_ba << u"192.0.2.7:631"_s << false;
        QTest::newRow("a host named like loopback") << "127.example"_ba << u"127.example:631"_s << false;
    }

    void schedulerAddress()
    {
        QFETCH(QByteArray, server);
        QFETCH(QString, shown);
        QFETCH(bool, local);
        EnvironmentOverride environment("CUPS_SERVER", server);
        environment.set("IPP_PORT", std::nullopt);
        const SchedulerAddress address = SchedulerAddress::current();
        QCOMPARE(address.displayText(), shown);
        QCOMPARE(address.isLocal(), local);
    }

    void jobIdentifierParts_data()
    {
        TestTables::addColumns<QString, bool, QString, QString, OptionalNumber, QString, bool, bool>(
            "listed", "wellFormed", "queue", "display", "number", "other", "equal", "sameJob");

        QTest::newRow("leading zeros: another row, the same job")
            << u"Farbe-007"_s << true << u"Farbe"_s << u"Farbe-007"_s << OptionalNumber(7) << u"Farbe-7"_s << false
            << true;
        QTest::newRow("percent-encoded queue decodes") << u"B%C3%BCro-14"_s << true << u"Büro"_s << u"Büro-14"_s
                                                       << OptionalNumber(14) << u"b%C3%BCro-14"_s << false << true;
        QTest::newRow("queue name with a dash splits at the last one")
            << u"Büro-Farbe-3"_s << true << u"Büro-Farbe"_s << u"Büro-Farbe-3"_s << OptionalNumber(3)
            << u"Büro-Farbe-4"_s << false << false;
        QTest::newRow("decomposed spelling is the same row")
            << u"Bu\u0308ro-1"_s << true << u"Bu\u0308ro"_s << u"Bu\u0308ro-1"_s << OptionalNumber(1) << u"Büro-1"_s
            << true << true;
        QTest::newRow("ASCII case: another row, the same job")
            << u"Laser-1"_s << true << u"Laser"_s << u"Laser-1"_s << OptionalNumber(1) << u"laser-1"_s << false << true;
        QTest::newRow("numeral beyond ASCII names no job")
            << u"Q-\u0663"_s << true << u"Q"_s << u"Q-\u0663"_s << OptionalNumber() << u"Q-3"_s << false << false;
        QTest::newRow("number too large names no job")
            << u"Q-99999999999999999999"_s << true << u"Q"_s << u"Q-99999999999999999999"_s << OptionalNumber()
            << u"Q-99999999999999999999"_s << true << true;
        QTest::newRow("no number") << u"Laser-"_s << false << u"Laser"_s << u"Laser-"_s << OptionalNumber()
                                   << u"laser-"_s << false << true;
        QTest::newRow("no dash") << u"Laser"_s << false << QString() << u"Laser"_s << OptionalNumber() << u"Laser"_s
                                 << true << true;
        QTest::newRow("empty") << QString() << false << QString() << QString() << OptionalNumber() << QString() << true
                               << true;
    }

    void jobIdentifierParts()
    {
        QFETCH(QString, listed);
        QFETCH(bool, wellFormed);
        QFETCH(QString, queue);
        QFETCH(QString, display);
        QFETCH(OptionalNumber, number);
        QFETCH(QString, other);
        QFETCH(bool, equal);
        QFETCH(bool, sameJob);
        const JobIdentifier identifier(listed);
        QCOMPARE(identifier.listed(), listed);
        QCOMPARE(identifier.isWellFormed(), wellFormed);
        QCOMPARE(JobIdentifier::isListedForm(listed), wellFormed);
        QCOMPARE(identifier.queueName(), queue);
        QCOMPARE(identifier.displayText(), display);
        QCOMPARE(identifier.number(), number);
        const JobIdentifier otherIdentifier(other);
        QCOMPARE(identifier == otherIdentifier, equal);
        if (equal)
            QCOMPARE(qHash(identifier, 5), qHash(otherIdentifier, 5));
        QCOMPARE(identifier.listingKey() == otherIdentifier.listingKey(), sameJob);
    }

    // `decoded` is set where `listed` is a queue as a job identifier lists it.
    void queueNameParts_data()
    {
        TestTables::addColumns<QString, OptionalText, QString, QString, bool, bool>("listed", "decoded", "key", "other",
                                                                                    "same", "otherFirst");
        const OptionalText realName;

        QTest::newRow("percent-encoded listing decodes")
            << u"B%C3%BCro"_s << OptionalText(u"Büro"_s) << u"büro"_s << u"BüRO"_s << true << false;
        QTest::newRow("malformed or truncated encodings stay as listed")
            << u"B%C3ro-Q%4"_s << OptionalText(u"B%C3ro-Q%4"_s) << u"b%c3ro-q%4"_s << u"b%C3RO-q%4"_s << true << false;
        QTest::newRow("a real name is never decoded")
            << u"B%C3%BCro"_s << realName << u"b%c3%bcro"_s << u"Büro"_s << false << false;
        QTest::newRow("ASCII case folds, equal names keep their order")
            << u"Farbe"_s << realName << u"farbe"_s << u"farbe"_s << true << false;
        QTest::newRow("only ASCII letters fold")
            << u"Ärger"_s << realName << u"Ärger"_s << u"äRGER"_s << false << false;
        QTest::newRow("decomposed spelling is the same queue")
            << u"Bu\u0308ro"_s << realName << u"büro"_s << u"BüRO"_s << true << false;
        QTest::newRow("numbers sort as people count") << u"Q10"_s << realName << u"q10"_s << u"q2"_s << false << true;
        QTest::newRow("umlauts sort by the locale, not by code point")
            << u"Zeta"_s << realName << u"zeta"_s << u"Ärger"_s << false << true;
        QTest::newRow("empty") << QString() << realName << QString() << QString() << true << false;
    }

    void queueNameParts()
    {
        QFETCH(QString, listed);
        QFETCH(OptionalText, decoded);
        QFETCH(QString, other);
        QFETCH(bool, same);
        QFETCH(bool, otherFirst);
        const QueueName name = decoded ? QueueName::fromJobListing(listed) : QueueName(listed);
        QCOMPARE(name.listed(), listed);
        QCOMPARE(name.decoded(), decoded.value_or(listed));
        QTEST(name.key(), "key");
        const QueueName otherName(other);
        QCOMPARE(name == otherName, same);
        if (same)
            QCOMPARE(qHash(name, 5), qHash(otherName, 5));
        // The order follows the user's locale; the C locale has no collation.
        const QLocale userLocale;
        const auto restore = qScopeGuard([&userLocale] { QLocale::setDefault(userLocale); });
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const QList<qsizetype> expected = otherFirst ? QList<qsizetype> {1, 0} : QList<qsizetype> {0, 1};
        QCOMPARE(QueueName::order({name.decoded(), other}), expected);
    }

    void errorTexts_data()
    {
        TestTables::addColumns<CUPSServiceError, QString, QString>("error", "description", "suggestion");

        const QString install
            = u"Prüfen Sie die lokale CUPS-Installation und starten Sie die App anschließend erneut."_s;
        const QString refresh = u"Aktualisieren Sie die Listen und prüfen Sie die Druckzentrale."_s;
        const QString permission
            = u"CUPS hat die Berechtigung verweigert. Die App startet kein sudo und fragt kein "
              u"Passwort ab. Prüfen Sie die CUPS-Berechtigung für Ihren Benutzer. Originalfehler: "_s;

        QTest::newRow("lpstat missing")
            << CUPSServiceError::lpstatUnavailable(u"/usr/bin/lpstat"_s)
            << u"Das CUPS-Werkzeug lpstat wurde unter /usr/bin/lpstat nicht gefunden oder ist nicht ausführbar."_s
            << install;
        QTest::newRow("launch failed") << CUPSServiceError::launchFailed(u"/x/lpmove"_s, u"Keine Datei"_s)
                                       << u"/x/lpmove konnte nicht gestartet werden: Keine Datei"_s
                                       << u"Prüfen Sie, ob das lokale CUPS-System verfügbar ist."_s;
        QTest::newRow("command failed, nothing printed")
            << CUPSServiceError::commandFailed(u"lpstat -o"_s, 2, u""_s)
            << u"lpstat -o ist mit Status 2 fehlgeschlagen. CUPS lieferte keine weitere Fehlermeldung."_s << refresh;
        QTest::newRow("command failed, detail trimmed")
            << CUPSServiceError::commandFailed(u"lpmove"_s, 1, u"\n lpmove: Job #99 does not exist.\r\n"_s)
            << u"lpmove ist mit Status 1 fehlgeschlagen. lpmove: Job #99 does not exist."_s << refresh;
        QTest::newRow("Forbidden keeps its capital")
            << CUPSServiceError::commandFailed(u"lpmove"_s, 1, u"\nForbidden\n"_s) << permission + u"Forbidden"_s
            << refresh;
        QTest::newRow("German refusal") << CUPSServiceError::commandFailed(u"lpmove"_s, 1, u"lpmove: Verboten\n"_s)
                                        << permission + u"lpmove: Verboten"_s << refresh;
        QTest::newRow("German unauthorised")
            << CUPSServiceError::commandFailed(u"lpmove"_s, 1, u"lpmove: Nicht berechtigt\n"_s)
            << permission + u"lpmove: Nicht berechtigt"_s << refresh;
        QTest::newRow("authorization required is not a refusal")
            << CUPSServiceError::commandFailed(u"lpmove"_s, 1, u"Authorization required"_s)
            << u"lpmove ist mit Status 1 fehlgeschlagen. Authorization required"_s << refresh;
        QTest::newRow("lpmove missing")
            << CUPSServiceError::lpmoveUnavailable()
            << u"Das CUPS-Werkzeug lpmove wurde nicht im ausführbaren Systempfad gefunden."_s << install;
        QTest::newRow("invalid destination")
            << CUPSServiceError::invalidDestination()
            << u"Als Ziel muss ein anderer Drucker als die Quellwarteschlange gewählt werden."_s
            << u"Wählen Sie eine andere konfigurierte Druckerwarteschlange."_s;
    }

    void errorTextsOfOurOwnCases_data()
    {
        TestTables::addColumns<CUPSServiceError, QString, QString>("error", "description", "suggestion");

        QTest::newRow("unreadable listing")
            << CUPSServiceError::unreadableOutput(u"lpstat -o"_s)
            << u"lpstat -o lieferte eine Ausgabe, die nicht als UTF-8-Text lesbar ist."_s
            << u"Aktualisieren Sie die Listen und prüfen Sie die Druckzentrale."_s;
        QTest::newRow("option-like argument")
            << CUPSServiceError::optionLikeArgument(u"-Dash"_s)
            << u"„-Dash“ beginnt mit einem Bindestrich und würde von lpmove als Option gelesen."_s
            << u"Benennen Sie die Druckerwarteschlange in CUPS so um, dass ihr Name nicht mit einem Bindestrich "
               u"beginnt."_s;
        const QString timeoutSuggestion
            = u"Prüfen Sie, ob der CUPS-Dienst läuft und antwortet, und aktualisieren Sie dann die Listen."_s;
        QTest::newRow("listing timed out")
            << CUPSServiceError::timedOut(u"lpstat -o"_s, std::chrono::seconds(60))
            << u"lpstat -o hat nach 60 Sekunden nicht geendet und wurde abgebrochen."_s << timeoutSuggestion;
        QTest::newRow("one second is singular")
            << CUPSServiceError::timedOut(u"lpmove"_s, std::chrono::seconds(1))
            << u"lpmove hat nach 1 Sekunde nicht geendet und wurde abgebrochen."_s << timeoutSuggestion;
        QTest::newRow("short limit in decimals")
            << CUPSServiceError::timedOut(u"lpmove"_s, std::chrono::milliseconds(300))
            << u"lpmove hat nach 0,3 Sekunden nicht geendet und wurde abgebrochen."_s << timeoutSuggestion;
        const QString refresh = u"Aktualisieren Sie die Listen und prüfen Sie die Druckzentrale."_s;
        const QString permission
            = u"CUPS hat die Berechtigung verweigert. Die App startet kein sudo und fragt kein "
              u"Passwort ab. Prüfen Sie die CUPS-Berechtigung für Ihren Benutzer. Originalfehler: "_s;
        const QString hold = ServiceTexts::jobOperation(JobAction::Hold, u"Farbe-1"_s);
        QTest::newRow("action failed without a word")
            << CUPSServiceError::requestFailed(ServiceTexts::jobOperation(JobAction::Release, u"Büro-2"_s), u" "_s,
                                               false)
            << u"Das Freigeben des Auftrags Büro-2 ist fehlgeschlagen. CUPS lieferte keine weitere Fehlermeldung."_s
            << refresh;
        // The scheduler said "refused" in a language the markers do not know.
        QTest::newRow("refused action, whatever the words")
            << CUPSServiceError::requestFailed(hold, u"Interdit"_s, true) << permission + u"Interdit"_s << refresh;
        QTest::newRow("action not possible for want of rights")
            << CUPSServiceError::requestFailed(hold, u"Not authorized to hold job #1 owned by \"anna\"."_s, false)
            << permission + u"Not authorized to hold job #1 owned by \"anna\"."_s << refresh;
        QTest::newRow("job without a number")
            << CUPSServiceError::jobWithoutNumber(u"Farbe-"_s)
            << u"Der Auftrag „Farbe-“ trägt keine lesbare Auftragsnummer, unter der CUPS ihn kennen könnte."_s
            << refresh;
    }

    void errorTextsOfOurOwnCases() { errorTexts(); }

    void errorTexts()
    {
        QFETCH(CUPSServiceError, error);
        QFETCH(QString, description);
        QFETCH(QString, suggestion);
        QCOMPARE(error.errorDescription(), description);
        QCOMPARE(error.recoverySuggestion(), suggestion);
    }

    void permissionMarkers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("refused");

        QTest::newRow("not authorized") << u"Client is NOT AUTHORIZED"_s << true;
        QTest::newRow("not permitted") << u"operation not permitted"_s << true;
        QTest::newRow("permission denied") << u"Permission denied"_s << true;
        QTest::newRow("unauthorized") << u"lpmove: Unauthorized"_s << true;
        QTest::newRow("forbidden") << u"lpmove: Forbidden"_s << true;
        QTest::newRow("verboten") << u"lpmove: Verboten"_s << true;
        QTest::newRow("nicht berechtigt") << u"lpmove: Nicht berechtigt"_s << true;
        QTest::newRow("empty") << u""_s << false;
        QTest::newRow("unknown job") << u"lpmove: Job #99 does not exist."_s << false;
        QTest::newRow("marker torn by a combining mark") << u"forbidden\u0301"_s << false;
    }

    void permissionMarkers()
    {
        QFETCH(QString, text);
        QFETCH(bool, refused);
        QCOMPARE(CUPSServiceError::isPermissionError(text), refused);
    }

    void validateChoosesTheErrorText_data()
    {
        TestTables::addColumns<CommandResult, bool, QString>("result", "passes", "carried");

        QTest::newRow("status 0 with stderr passes") << CommandResult {u"out"_s, u"warning"_s, 0} << true << QString();
        QTest::newRow("blank stderr carries stdout untrimmed")
            << CommandResult {u"  out\n"_s, u" \n\u2028\t"_s, 1} << false << u"  out\n"_s;
        QTest::newRow("stderr carried untrimmed")
            << CommandResult {u"out"_s, u"\nerr \n"_s, 3} << false << u"\nerr \n"_s;
        QTest::newRow("signal status fails") << CommandResult {{}, {}, 9} << false << QString();
    }

    void validateChoosesTheErrorText()
    {
        QFETCH(CommandResult, result);
        QFETCH(bool, passes);
        QFETCH(QString, carried);
        const CUPSResult<void> verdict = CUPSServiceTestAccess::validate(result, u"lpstat -a"_s);
        QCOMPARE(verdict.has_value(), passes);
        if (passes)
            return;
        QCOMPARE(verdict.error().kind(), CUPSServiceError::Kind::CommandFailed);
        QCOMPARE(verdict.error().command(), u"lpstat -a"_s);
        QCOMPARE(verdict.error().status(), result.terminationStatus);
        QCOMPARE(verdict.error().standardError(), carried);
    }
};

QTEST_GUILESS_MAIN(RecordsTest)
#include "tst_records.moc"
