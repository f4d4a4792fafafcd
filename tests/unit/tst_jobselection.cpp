// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
// The selection rules and the values derived from the selection, on the
// plain value alone: no window, no event loop, no tool runs.

#include <JobSelection.h>
#include <SelectionSteps.h>
#include <TestTables.h>

#include <QTest>

using namespace Qt::StringLiterals;
using namespace TestRecords;
using SelectionSteps::baseJobs;
using SelectionSteps::basePrinters;
using SelectionSteps::sorted;

namespace {

void apply(JobSelection &selection, const QStringList &steps)
{
    SelectionSteps::apply(
        selection.jobs(), steps, [&selection](const PrintJob &job) { selection.toggle(job); },
        [&selection](const QString &name) { selection.setDestinationID(name); });
}

} // namespace

class JobSelectionTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void selectionRules_data()
    {
        TestTables::addColumns<QStringList, QStringList, QString, QString, QStringList, bool>(
            "steps", "selectedJobs", "destinationID", "destination", "destinations", "canRequestMove");

        const QString none;
        QTest::newRow("nothing selected offers every queue")
            << QStringList() << QStringList() << none << none << basePrinters << false;
        QTest::newRow("jobs of two queues hide both, order kept")
            << QStringList {u"toggle B-3"_s, u"toggle A-1"_s} << QStringList {u"A-1"_s, u"B-3"_s} << none << none
            << QStringList {u"B\u00fcro"_s, u"C"_s, u"D"_s} << false;
        QTest::newRow("job and other queue may move")
            << QStringList {u"toggle A-1"_s, u"dest C"_s} << QStringList {u"A-1"_s} << u"C"_s << u"C"_s
            << QStringList {u"B"_s, u"B\u00fcro"_s, u"C"_s, u"D"_s} << true;
        QTest::newRow("selecting a job of the destination drops it")
            << QStringList {u"dest C"_s, u"toggle C-4"_s} << QStringList {u"C-4"_s} << none << none
            << QStringList {u"A"_s, u"B"_s, u"B\u00fcro"_s, u"D"_s} << false;
        QTest::newRow("a canonically equal source name drops it too")
            << QStringList {u"dest B\u00fcro"_s, u"toggle Bu\u0308ro-5"_s} << QStringList {u"Bu\u0308ro-5"_s} << none
            << none << QStringList {u"A"_s, u"B"_s, u"C"_s, u"D"_s} << false;
        QTest::newRow("deselecting the only job keeps the destination")
            << QStringList {u"toggle A-1"_s, u"dest C"_s, u"toggle A-1"_s} << QStringList() << u"C"_s << u"C"_s
            << basePrinters << false;
        QTest::newRow("a job of another queue keeps the destination")
            << QStringList {u"toggle A-1"_s, u"dest C"_s, u"toggle B-3"_s} << QStringList {u"A-1"_s, u"B-3"_s} << u"C"_s
            << u"C"_s << QStringList {u"B\u00fcro"_s, u"C"_s, u"D"_s} << true;
        QTest::newRow("a name that matches no queue is no destination")
            << QStringList {u"toggle A-1"_s, u"dest Z"_s} << QStringList {u"A-1"_s} << u"Z"_s << none
            << QStringList {u"B"_s, u"B\u00fcro"_s, u"C"_s, u"D"_s} << false;
        QTest::newRow("a selected job that is not listed selects nothing")
            << QStringList {u"toggle X-9"_s, u"dest C"_s} << QStringList() << u"C"_s << u"C"_s << basePrinters << false;
    }

    void selectionRules()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, selectedJobs);
        QFETCH(QString, destinationID);
        QFETCH(QString, destination);
        QFETCH(QStringList, destinations);
        QFETCH(bool, canRequestMove);

        JobSelection selection;
        selection.setLists(jobs(baseJobs), printers(basePrinters));
        apply(selection, steps);

        QCOMPARE(identifiers(selection.selectedJobs()), selectedJobs);
        QCOMPARE(selection.destinationID().value_or(QString()), destinationID);
        QCOMPARE(selection.destination() ? selection.destination()->name : QString(), destination);
        QCOMPARE(names(selection.destinations()), destinations);
        QCOMPARE(selection.canMove(), canRequestMove);
        QCOMPARE(selection.destinationCount(), destinations.size());
        QCOMPARE(selection.selectedCount(), selectedJobs.size());
    }

    void selectionTrimmedAfterReload_data()
    {
        TestTables::addColumns<QStringList, QStringList, QStringList, QStringList, QString>(
            "steps", "reloadedJobs", "reloadedPrinters", "selectedJobs", "destinationID");

        QTest::newRow("listed job and destination stay") << QStringList {u"toggle A-1"_s, u"dest C"_s} << baseJobs
                                                         << basePrinters << QStringList {u"A-1"_s} << u"C"_s;
        QTest::newRow("vanished job is deselected")
            << QStringList {u"toggle A-1"_s, u"toggle B-3"_s, u"dest C"_s} << QStringList {u"A-1"_s, u"C-4"_s}
            << basePrinters << QStringList {u"A-1"_s} << u"C"_s;
        QTest::newRow("vanished destination is cleared")
            << QStringList {u"toggle A-1"_s, u"dest D"_s} << baseJobs << QStringList {u"A"_s, u"C"_s}
            << QStringList {u"A-1"_s} << QString();
        QTest::newRow("an unknown destination is cleared")
            << QStringList {u"dest Z"_s} << baseJobs << basePrinters << QStringList() << QString();
        QTest::newRow("moved jobs under new identifiers: destination stays")
            << QStringList {u"toggle A-1"_s, u"toggle A-2"_s, u"dest C"_s} << QStringList {u"B-3"_s, u"C-6"_s, u"C-7"_s}
            << basePrinters << QStringList() << u"C"_s;
    }

    void selectionTrimmedAfterReload()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, reloadedJobs);
        QFETCH(QStringList, reloadedPrinters);
        QFETCH(QStringList, selectedJobs);
        QFETCH(QString, destinationID);

        JobSelection selection;
        selection.setLists(jobs(baseJobs), printers(basePrinters));
        apply(selection, steps);
        selection.setLists(jobs(reloadedJobs), printers(reloadedPrinters));
        selection.retainListed();

        QCOMPARE(sorted(selection.selectedKeys()), selectedJobs);
        QCOMPARE(selection.destinationID().value_or(QString()), destinationID);
    }

    // Which jobs the pane shows; `queue` is the chosen source queue (empty:
    // all), `reloaded` the identifiers of a reload that follows (empty: none).
    void filterShowsMatchingJobs_data()
    {
        TestTables::addColumns<QString, QString, QStringList, QStringList>("text", "queue", "reloaded", "shown");

        const QStringList all {u"B%C3%BCro-14"_s, u"Laser-15"_s, u"Laser-16"_s, u"Empfang-17"_s};
        const QStringList none;
        QTest::newRow("empty text shows all") << QString() << QString() << none << all;
        QTest::newRow("identifier as shown, decoded") << u"büro-14"_s << QString() << none << all.first(1);
        QTest::newRow("identifier as lpstat encodes it") << u"%C3"_s << QString() << none << none;
        QTest::newRow("source queue") << u"LASER"_s << QString() << none << all.sliced(1, 2);
        QTest::newRow("owner") << u"bernd"_s << QString() << none << QStringList {u"Laser-15"_s};
        QTest::newRow("title") << u"quartals"_s << QString() << none << all.first(1);
        QTest::newRow("case of non-ASCII letters") << u"åsa"_s << QString() << none << QStringList {u"Empfang-17"_s};
        QTest::newRow("decomposed text finds composed") << u"Bu\u0308ro"_s << QString() << none << all.first(1);
        QTest::newRow("composed text finds decomposed")
            << u"CAFÉ"_s << QString() << none << QStringList {u"Empfang-17"_s};
        QTest::newRow("never across two fields") << u"14büro"_s << QString() << none << none;
        QTest::newRow("queue alone") << QString() << u"Laser"_s << none << all.sliced(1, 2);
        QTest::newRow("queue and text") << u"plakat"_s << u"Laser"_s << none << QStringList {u"Laser-15"_s};
        QTest::newRow("queue kept while it has jobs")
            << QString() << u"Laser"_s << QStringList {u"Laser-16"_s, u"Farbe-18"_s} << QStringList {u"Laser-16"_s};
        QTest::newRow("queue without jobs falls back to all")
            << QString() << u"Laser"_s << QStringList {u"Farbe-18"_s, u"Empfang-17"_s}
            << QStringList {u"Farbe-18"_s, u"Empfang-17"_s};
    }

    void filterShowsMatchingJobs()
    {
        QFETCH(QString, text);
        QFETCH(QString, queue);
        QFETCH(QStringList, reloaded);
        QFETCH(QStringList, shown);

        const QList<PrintJob> listed {
            jobIn(u"B%C3%BCro-14"_s, u"B\u00fcro"_s, u"anna"_s, u"Quartalsbericht.pdf"_s),
            job(u"Laser-15"_s, u"Bernd"_s, u"Plakat"_s),
            job(u"Laser-16"_s),
            job(u"Empfang-17"_s, u"\u00c5sa"_s, u"Cafe\u0301"_s),
        };
        JobSelection selection;
        selection.setLists(listed, {});
        // Typed key by key, as the field hands it over.
        for (qsizetype length = 1; length <= text.size(); ++length)
            selection.setFilterText(text.first(length));
        if (!queue.isEmpty())
            selection.setFilterQueue(queue);
        if (!reloaded.isEmpty())
            selection.setLists(jobs(reloaded), {});

        QStringList identifiersShown;
        for (const JobEntry &entry : selection.shownEntries())
            identifiersShown.append(entry.job().identifier);
        QCOMPARE(identifiersShown, shown);
        QCOMPARE(selection.shownCount(), shown.size());
    }

    void sourceNamesSortByCodePoint()
    {
        JobSelection selection;
        selection.setLists(jobs({u"b-1"_s, u"B-2"_s, u"\U0001F5A8-3"_s, u"\uFB01-4"_s}), printers({u"C"_s}));
        apply(selection, {u"toggle b-1"_s, u"toggle B-2"_s, u"toggle \U0001F5A8-3"_s, u"toggle \uFB01-4"_s});
        // Upper case first; a name outside the BMP after U+FB01, not among the surrogates.
        QCOMPARE(selection.sourceNamesText(), u"B, b, \uFB01, \U0001F5A8"_s);
    }
};

QTEST_APPLESS_MAIN(JobSelectionTest)
#include "tst_jobselection.moc"
