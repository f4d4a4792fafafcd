// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include <CUPSService.h>
#include <LpstatOutput.h>
#include <TestRecords.h>
#include <TestTables.h>

#include <QLocale>
#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;

using OptionalText = std::optional<QString>;
Q_DECLARE_METATYPE(PrintJob)
Q_DECLARE_METATYPE(OptionalText)

using TestRecords::jobIn;
using TestRecords::names;

class ParserTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    void basicListingFindsJobsInLineOrder_data()
    {
        QTest::addColumn<QString>("output");
        QTest::addColumn<QList<PrintJob>>("expected");

        QTest::newRow("worked example") << u"Laser-42 anna 24576 Mon 07 Dec 2026 10:00:00\n"
                                           u"HP-Office-7  ben  1024  Mon 07 Dec 2026\n"
                                           u"Laser-x1 carl 100\n"
                                           u"\n"
                                           u"Plotter-8\n"_s
                                        << QList {jobIn(u"Laser-42"_s, u"Laser"_s, u"anna"_s),
                                                  jobIn(u"HP-Office-7"_s, u"HP-Office"_s, u"ben"_s),
                                                  jobIn(u"Plotter-8"_s, u"Plotter"_s)};
        QTest::newRow("CR LF and indentation")
            << u"  Laser-1 anna\r\n\tLaser-2\tben\r\n"_s
            << QList {jobIn(u"Laser-1"_s, u"Laser"_s, u"anna"_s), jobIn(u"Laser-2"_s, u"Laser"_s, u"ben"_s)};
        QTest::newRow("every line break kind")
            << u"A-1 a\u000bB-2 b\u000cC-3 c\rD-4 d\u0085E-5 e\u2028F-6 f\u2029G-7 g"_s
            << QList {jobIn(u"A-1"_s, u"A"_s, u"a"_s), jobIn(u"B-2"_s, u"B"_s, u"b"_s), jobIn(u"C-3"_s, u"C"_s, u"c"_s),
                      jobIn(u"D-4"_s, u"D"_s, u"d"_s), jobIn(u"E-5"_s, u"E"_s, u"e"_s), jobIn(u"F-6"_s, u"F"_s, u"f"_s),
                      jobIn(u"G-7"_s, u"G"_s, u"g"_s)};
        QTest::newRow("non-ASCII digits and ideographic numeral")
            << u"Büro-\u0664\u0662 anna\nKanji-\u56db ben\nFull-\uff17 carl\n"_s
            << QList {jobIn(u"Büro-\u0664\u0662"_s, u"Büro"_s, u"anna"_s),
                      jobIn(u"Kanji-\u56db"_s, u"Kanji"_s, u"ben"_s), jobIn(u"Full-\uff17"_s, u"Full"_s, u"carl"_s)};
        QTest::newRow("Unicode blanks separate tokens")
            << u"Laser-3\u00a0anna\u3000x\nLaser-4\u2003ben"_s
            << QList {jobIn(u"Laser-3"_s, u"Laser"_s, u"anna"_s), jobIn(u"Laser-4"_s, u"Laser"_s, u"ben"_s)};
        QTest::newRow("not identifiers") << u"Laser anna\nLaser- anna\n-42 anna\nLaser-4a anna\n"
                                            u"Laser-\u0301 anna\nLaser-4\u00e9 anna\n"_s
                                         << QList<PrintJob> {};
        QTest::newRow("a dash with a combining mark is no split point") << u"A-1-\u03012 anna"_s << QList<PrintJob> {};
        QTest::newRow("combining mark stays with its digit")
            << u"Laser-7\u0301 anna"_s << QList {jobIn(u"Laser-7\u0301"_s, u"Laser"_s, u"anna"_s)};
        QTest::newRow("percent-encoded queue names are decoded, the identifier stays")
            << u"B%C3%BCro-6 anna\nProz%2541ent-9 ben\n%D7%A2%D7%91%D7%A8%D7%99%D7%AA-10 carl\nBad%zz-1 x\nBad%FF-2 y"_s
            << QList {jobIn(u"B%C3%BCro-6"_s, u"Büro"_s, u"anna"_s),
                      jobIn(u"Proz%2541ent-9"_s, u"Proz%41ent"_s, u"ben"_s),
                      jobIn(u"%D7%A2%D7%91%D7%A8%D7%99%D7%AA-10"_s, u"עברית"_s, u"carl"_s),
                      jobIn(u"Bad%zz-1"_s, u"Bad%zz"_s, u"x"_s), jobIn(u"Bad%FF-2"_s, u"Bad%FF"_s, u"y"_s)};
        QTest::newRow("the same job twice is one job, its first line kept")
            << u"Laser-1 a\nLaser-1 b\nLASER-1 c\nLaser-2 d\n"_s
            << QList {jobIn(u"Laser-1"_s, u"Laser"_s, u"a"_s), jobIn(u"Laser-2"_s, u"Laser"_s, u"d"_s)};
        QTest::newRow("empty output") << QString() << QList<PrintJob> {};
    }

    void basicListingFindsJobsInLineOrder()
    {
        QFETCH(QString, output);
        QFETCH(QList<PrintJob>, expected);
        QCOMPARE(LpstatOutput::parseBasicJobs(output), expected);
    }

    void detailedListingCollectsOwnerAndTitle_data()
    {
        TestTables::addColumns<QString, QString, OptionalText, OptionalText>("output", "identifier", "owner", "title");

        const QString worked = u"Laser-42 anna 24576 Mon\n"
                               u"\tTitle: Bericht.pdf\n"
                               u"\tUser: anna.m  \n"
                               u"\n"
                               u"\tTitle: Alt\n"
                               u"HP-Office-7 ben 1024 Mon\n"
                               u"\tTitle:   \n"
                               u"\tuser: ben2\n"_s;
        QTest::newRow("worked example, Laser-42")
            << worked << u"Laser-42"_s << OptionalText(u"anna.m"_s) << OptionalText(u"Bericht.pdf"_s);
        QTest::newRow("worked example, HP-Office-7 has no entry")
            << worked << u"HP-Office-7"_s << OptionalText() << OptionalText();
        QTest::newRow("no blank after the colon")
            << u"Laser-1\n  Title:Bericht\n"_s << u"Laser-1"_s << OptionalText() << OptionalText(u"Bericht"_s);
        QTest::newRow("a blank-only line keeps the block open")
            << u"Laser-1\n   \n\tUser: anna"_s << u"Laser-1"_s << OptionalText(u"anna"_s) << OptionalText();
        QTest::newRow("a CR LF pair is one break, not an empty line")
            << u"Laser-1 x\r\n\tTitle: T\r\n\tUser: u\r\n"_s << u"Laser-1"_s << OptionalText(u"u"_s)
            << OptionalText(u"T"_s);
        QTest::newRow("a lone CR is a break of its own")
            << u"Laser-1\r\r\tTitle: T"_s << u"Laser-1"_s << OptionalText() << OptionalText();
        QTest::newRow("U+2028 ends the header line")
            << u"Laser-1 x\u2028\u2003Title: T"_s << u"Laser-1"_s << OptionalText() << OptionalText(u"T"_s);
        QTest::newRow("a combining mark right after Title: is not the marker")
            << u"Laser-1\n\tTitle:\u0301Bericht\n"_s << u"Laser-1"_s << OptionalText() << OptionalText();
        QTest::newRow("a later non-empty value replaces, an empty one does not")
            << u"Laser-1\n\tTitle: A\n\tTitle: B\n\tTitle: \nLaser-1\n\tUser: z"_s << u"Laser-1"_s
            << OptionalText(u"z"_s) << OptionalText(u"B"_s);
        QTest::newRow("non-identifier header ends the block")
            << u"Laser-1\nnoise here\n\tTitle: X"_s << u"Laser-1"_s << OptionalText() << OptionalText();
        QTest::newRow("title keeps inner blanks, trims line-break characters")
            << u"Laser-1\n\t Title:  Mein  Bericht \u000b"_s << u"Laser-1"_s << OptionalText()
            << OptionalText(u"Mein  Bericht"_s);
    }

    void detailedListingCollectsOwnerAndTitle()
    {
        QFETCH(QString, output);
        QFETCH(QString, identifier);
        QFETCH(OptionalText, owner);
        QFETCH(OptionalText, title);

        const JobDetails::Table table = LpstatOutput::parseJobDetails(output);
        const auto entry = table.constFind(JobIdentifier(identifier).jobKey());
        if (!owner && !title) {
            QVERIFY(entry == table.cend());
            return;
        }
        QVERIFY(entry != table.cend());
        QCOMPARE(entry->owner, owner);
        QCOMPARE(entry->title, title);
    }

    void detailedTableIsKeyedCanonically()
    {
        // Decomposed ü in the listing must find the composed identifier of the basic listing.
        const auto table = LpstatOutput::parseJobDetails(u"Bu\u0308ro-3\n\tTitle: T\n"_s);
        QVERIFY(table.contains(JobIdentifier(u"Büro-3"_s).jobKey()));
    }

    void printerListingCutsAtEarliestPhraseAndSorts_data()
    {
        QTest::addColumn<QString>("output");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("worked example") << u"Laser accepting requests since Mon 07 Dec 2026\n"
                                           u"Mein Drucker akzeptiert Anfragen seit Mo 07 Dez 2026\n"
                                           u"HP-Office not accepting requests since Mon 07 Dec 2026 -\n"
                                           u"\tRejecting Jobs\n"
                                           u"Plotter is accepting requests\n"
                                           u"alpha akzeptiert keine Anfragen seit Mo\n"
                                           u"a line without phrase\n"
                                           u" accepting requests since Mon\n"_s
                                        << QStringList {u"alpha"_s, u"HP-Office"_s, u"Laser"_s, u"Mein Drucker"_s,
                                                        u"Plotter"_s};
        QTest::newRow("is not accepting is cut before is") << u"X is not accepting requests"_s << QStringList {u"X"_s};
        QTest::newRow("leading blanks trimmed, case-sensitive phrases")
            << u"   Laser accepting requests\nFarbe Accepting requests\n"_s << QStringList {u"Laser"_s};
        QTest::newRow("equal names keep their line order")
            << u"laser accepting requests\nLaser accepting requests\nlaser accepting requests"_s
            << QStringList {u"laser"_s, u"Laser"_s, u"laser"_s};
        QTest::newRow("umlauts sort by the locale, not by code point")
            << u"Zeta accepting requests\nÄrger accepting requests\nAnna accepting requests"_s
            << QStringList {u"Anna"_s, u"Ärger"_s, u"Zeta"_s};
        QTest::newRow("numbers sort as numbers")
            << u"Q10 accepting requests\nq2 accepting requests\nQ1 accepting requests"_s
            << QStringList {u"Q1"_s, u"q2"_s, u"Q10"_s};
        QTest::newRow("phrase followed by a combining mark does not count")
            << u"Laser accepting requests\u0301"_s << QStringList {};
        QTest::newRow("a later phrase occurrence still counts")
            << u"Q accepting requests\u0301 X accepting requests"_s << QStringList {u"Q accepting requests\u0301 X"_s};
    }

    void printerListingCutsAtEarliestPhraseAndSorts()
    {
        QFETCH(QString, output);
        QFETCH(QStringList, expected);
        QCOMPARE(names(LpstatOutput::parsePrinters(output)), expected);
    }

    // Each line's state, from the listing alone: English and German always,
    // any other language through its catalog's wording.
    void printerListingReadsStateInTheUsersLanguage_data()
    {
        TestTables::addColumns<QByteArray, QString, QStringList>("catalog", "output", "expected");
        const QByteArray french = "msgid \"%s accepting requests since %s\"\n"
                                  "msgstr \"%s accepte des requêtes depuis %s\"\n\n"
                                  "msgid \"%s not accepting requests since %s -\"\n"
                                  "msgstr \"%s n'accepte plus de requêtes depuis %s\"\n";
        QTest::newRow("English and German, rejecting phrases 1, 3, 5")
            << french
            << u"A accepting requests\nB not accepting requests since x -\n\treason\nC is not accepting requests\n"
               u"D is accepting requests\nE akzeptiert keine Anfragen seit x -\nF akzeptiert Anfragen seit x\n"_s
            << QStringList {u"A"_s, u"B rejecting"_s, u"C rejecting"_s, u"D"_s, u"E rejecting"_s, u"F"_s};
        QTest::newRow("French, no dash after a rejecting line")
            << french
            << u"Laser accepte des requêtes depuis mer. 09 déc.\nArchiv n'accepte plus de requêtes depuis mer.\n"
               u"\tPapierstau\n"_s
            << QStringList {u"Archiv rejecting"_s, u"Laser"_s};
        // The date sits inside the sentence; the state is told by its end. The
        // entries are wrapped and escaped as gettext may write them.
        QTest::newRow("Chinese, one middle, two ends, wrapped entries")
            << QByteArray("# comment\nmsgid \"\"\n\"%s not accepting requests since %s -\"\nmsgstr \"\"\n"
                          "\"%s 自从 %s \"\n  \"不再接受请求\"\n\n"
                          "msgid \"%s accepting requests since %s\"\nmsgstr \"%s 自从 %s 开始接受\\\"请求\\\"\"\n")
            << u"B 自从 2026年 不再接受请求\nC 自从 2026年 开始接受\"请求\"\nD 自从 2026年 别的\n"_s
            << QStringList {u"B rejecting"_s, u"C"_s};
        QTest::newRow("Japanese, trailing dash and blank")
            << QByteArray("msgid \"%s not accepting requests since %s -\"\n"
                          "msgstr \"%s は %s からリクエストを受け付けていません - \"\n")
            << u"Archiv は 2026年12月09日 からリクエストを受け付けていません -\nLaser は 2026年 受け付けています\n"_s
            << QStringList {u"Archiv rejecting"_s};
        // A translation that cannot be read back adds nothing; English stays.
        QTest::newRow("untranslated, reordered or bare translations")
            << QByteArray("msgid \"%s accepting requests since %s\"\nmsgstr \"\"\n"
                          "msgid \"%s not accepting requests since %s -\"\nmsgstr \"seit %s: %s\"\n"
                          "msgid \"%s accepting requests since %s\"\nmsgstr \"%s %s\"\n")
            << u"seit gestern: Laser\nA B\nC accepting requests\n"_s << QStringList {u"C"_s};
    }

    void printerListingReadsStateInTheUsersLanguage()
    {
        QFETCH(QByteArray, catalog);
        QFETCH(QString, output);
        QStringList listed;
        for (const Printer &printer : LpstatOutput::parsePrinters(output, AcceptingPhrases::fromCatalog(catalog)))
            listed.append(printer.name + (printer.acceptingJobs ? QString() : u" rejecting"_s));
        QTEST(listed, "expected");
    }

    void parsersSurviveHostileInput_data()
    {
        QTest::addColumn<QString>("output");

        QByteArray noise(256 * 1024, Qt::Uninitialized);
        QRandomGenerator generator(42);
        generator.fillRange(reinterpret_cast<quint32 *>(noise.data()), noise.size() / 4);
        QTest::newRow("binary noise as Latin-1") << QString::fromLatin1(noise);
        QTest::newRow("binary noise as UTF-16")
            << QString(reinterpret_cast<const QChar *>(noise.constData()), noise.size() / 2);
        QTest::newRow("one enormous line") << QString(4 * 1024 * 1024, u'x') + u"-1 accepting requests"_s;
        QTest::newRow("lone surrogates and marks")
            << u"\xd800-1 a\n\xdc00\tTitle: x\n\u0301-\u0301 accepting requests\n"_s;
        QString manyLines;
        for (int i = 0; i < 100000; ++i)
            manyLines += (i % 3 ? u"\tTitle: t\n"_s : u"Q-%1 u accepting requests\n"_s.arg(i));
        QTest::newRow("100,000 lines") << manyLines;
    }

    void parsersSurviveHostileInput()
    {
        QFETCH(QString, output);
        const QList<PrintJob> jobs = LpstatOutput::parseBasicJobs(output);
        const JobDetails::Table table = LpstatOutput::parseJobDetails(output);
        const QList<Printer> printers
            = LpstatOutput::parsePrinters(output, AcceptingPhrases::fromCatalog(output.toUtf8()));
        for (const PrintJob &found : jobs) {
            QVERIFY(!found.identifier.isEmpty());
            QVERIFY(!found.sourcePrinterName.isEmpty());
        }
        for (const JobDetails &entry : table)
            QVERIFY(entry.owner || entry.title);
        for (const Printer &printer : printers)
            QVERIFY(!printer.name.isEmpty());
    }
};

QTEST_GUILESS_MAIN(ParserTest)
#include "tst_parsers.moc"
