// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
// The window's regions against the real lpstat and lpmove on a private CUPS
// scheduler: selecting jobs and a destination with the mouse, what the
// summary, the action bar and the status bar then say, the empty states, and
// what assistive technology reads. Fake tools stand in only where the real
// ones cannot produce the case: titles, a job without owner, a slow listing.

#include "ContentViewHarness.h"
#include "UiTestCase.h"

#include <CUPSServiceTestAccess.h>
#include <FakeCupsTools.h>
#include <PrintJobsViewModelTestAccess.h>
#include <PrivateCupsServer.h>
#include <StateWitness.h>
#include <TestTables.h>

#include <QAccessible>
#include <QFont>
#include <QGuiApplication>
#include <QScopeGuard>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The queues of the scheduler, and the queue of each waiting job, in the
// order the jobs are submitted (and listed).
const QStringList queues {u"Archiv"_s, u"B\u00fcro"_s, u"Farbe"_s, u"Laser"_s};
const QStringList jobQueues {u"Laser"_s, u"Laser"_s, u"Farbe"_s, u"B\u00fcro"_s};

} // namespace

class ContentViewTest : public UiTestCase
{
    Q_OBJECT

public:
    ContentViewTest()
        : UiTestCase(queues, jobQueues)
    { }

private Q_SLOTS:
    void rowsShowTheListedJobsAndQueues()
    {
        ContentViewHarness ui(CUPSService::systemLpstatURL);
        QVERIFY(ui.waitUntilIdle());

        QCOMPARE(ui.model().selection()->jobCount(), 4);
        // The scheduler names lp's default title and the held state; the small
        // print ends with when the job came and how large it is.
        const QString owner = u"Von "_s + PrivateCupsServer::userName();
        const QString held = u"angehalten · bis auf Weiteres"_s;
        const auto expectRow = [&](int row, const QString &identifier, const QString &queue) {
            const QStringList texts = ContentViewHarness::visibleTexts(ui.jobRow(row));
            QCOMPARE(texts.size(), 5);
            QCOMPARE(texts.first(4), (QStringList {u"document.txt"_s, identifier, held, queue}));
            QVERIFY2(texts.at(4).startsWith(owner + u" · "_s) && texts.at(4).endsWith(u" · 1 KB"_s),
                     qPrintable(texts.at(4)));
        };
        expectRow(0, m_jobs.at(0), u"Laser"_s);
        // The identifier as the user named the queue, not as lpstat escaped it.
        QCOMPARE(m_jobs.at(3), u"B%C3%BCro-"_s + m_jobs.at(3).section(u'-', -1));
        expectRow(3, u"B\u00fcro-"_s + m_jobs.at(3).section(u'-', -1), u"B\u00fcro"_s);
        QCOMPARE(ContentViewHarness::visibleTexts(ui.printerRow(0)),
                 (QStringList {u"Archiv"_s, u"Als Ziel auswählen"_s}));
        const CUPSResult<QString> lpmove = CUPSServiceTestAccess::resolveLPMoveURL(CUPSService());
        QVERIFY(lpmove);
        QVERIFY(ContentViewHarness::showsText(ui.item("statusBar"), u"lpmove: "_s + *lpmove));
    }

    void rowsShowTitlesAndLeaveOutMissingOwners()
    {
        // Titles and owner-less jobs come from CUPS versions and setups other
        // than this scheduler's.
        FakeCupsTools tools;
        tools.setJobLines({u"Laser-12 anna 1024 Mon 01 Jan 2024 12:00:00"_s, u"Laser-13"_s, u"Laser-14 bernd 1024"_s});
        tools.setDetailedJobListing(u"Laser-12 anna 1024\n\tTitle: Quartalsbericht.pdf\n"
                                    u"Laser-14 bernd 1024\n\tTitle: \n"_s);
        tools.setPrinterNames({u"Laser"_s});
        ContentViewHarness ui(tools.lpstatPath());
        QVERIFY(ui.waitUntilIdle());

        QCOMPARE(ContentViewHarness::visibleTexts(ui.jobRow(0)),
                 (QStringList {u"Quartalsbericht.pdf"_s, u"Laser-12"_s, u"Laser"_s, u"Von anna"_s}));
        QCOMPARE(ContentViewHarness::visibleTexts(ui.jobRow(1)),
                 (QStringList {u"Druckauftrag"_s, u"Laser-13"_s, u"Laser"_s}));
        QCOMPARE(ContentViewHarness::visibleTexts(ui.jobRow(2)),
                 (QStringList {u"Druckauftrag"_s, u"Laser-14"_s, u"Laser"_s, u"Von bernd"_s}));
    }

    // Other users' texts and the scheduler's names reach the window as they
    // are listed: a queue whose name starts with a right-to-left override and
    // goes on in Hebrew, and in it a job with an override and a line separator
    // in its title (CUPS itself names a job "Untitled" when its title holds a
    // control character such as "\n"), owned by "\u202Eecila", which reads
    // "alice" raw. Each stays in its field, and lpmove still gets a job of
    // that queue (one of the user's own, which the scheduler lets them move)
    // exactly as listed.
    void othersTextsKeepToTheirFields()
    {
        const QString queue = u"\u202E\u05D3\u05E4\u05D5\u05E1"_s;
        QVERIFY2(m_server.addQueue(queue), qPrintable(m_server.lastError()));
        const auto removeQueue = qScopeGuard([this, queue] { QVERIFY(m_server.removeQueue(queue)); });
        const std::optional<QString> submitted = m_server.submitJob(
            queue, {u"-H"_s, u"hold"_s, u"-U"_s, u"\u202Eecila"_s, u"-t"_s, u"\u202Efdp.exe\u2028Gehalt.xlsx"_s});
        QVERIFY2(submitted, qPrintable(m_server.lastError()));
        const std::optional<QString> own = m_server.submitHeldJob(queue);
        QVERIFY2(own, qPrintable(m_server.lastError()));
        ContentViewHarness ui(CUPSService::systemLpstatURL);
        QVERIFY(ui.waitUntilIdle());
        QCOMPARE(ui.model().selection()->jobCount(), 6);

        const QString shownQueue = u"\u2068\uFFFD\u05D3\u05E4\u05D5\u05E1\u2069"_s;
        const QString shownJob = shownQueue + u'-' + submitted->section(u'-', -1);
        QQuickItem *row = ui.jobRow(4);
        const QStringList texts = ContentViewHarness::visibleTexts(row);
        QCOMPARE(
            texts.first(4),
            (QStringList {u"\uFFFDfdp.exe Gehalt.xlsx"_s, shownJob, u"angehalten · bis auf Weiteres"_s, shownQueue}));
        QVERIFY2(texts.at(4).startsWith(u"Von \uFFFDecila · "_s), qPrintable(texts.at(4)));
        QCOMPARE(ContentViewHarness::accessibleText(row, QAccessible::Name),
                 shownJob + u" · Quelle: "_s + shownQueue
                     + u" · Eigentümer: \uFFFDecila · Titel: \uFFFDfdp.exe Gehalt.xlsx · Status: angehalten"_s);

        const QString shownOwn = shownQueue + u'-' + own->section(u'-', -1);
        ui.click(ui.jobRow(5));
        for (int destination = 0; destination < ui.model().selection()->destinationCount(); ++destination) {
            if (ui.printerRow(destination)->property("name").toString() == u"Laser"_s)
                ui.click(ui.printerRow(destination));
        }
        QVERIFY(ContentViewHarness::showsText(ui.item("transferSummary"), shownQueue));
        ui.click(ContentViewHarness::childItem(ui.part("actionBar"), "moveButton"));
        QObject *dialog = ui.part("confirmationDialog");
        QTRY_VERIFY(dialog->property("opened").toBool());
        QCOMPARE(dialog->property("lines").toStringList().join(u'\n'),
                 u"\u2022 "_s + shownOwn + u"  ("_s + shownQueue + u')');
        QCOMPARE(dialog->property("notes").toStringList().first(), u"Nach: Laser"_s);
        ui.click(dialog->property("confirmButton").value<QQuickItem *>());
        QVERIFY(ui.waitUntilIdle());
        QVERIFY2(ui.model().notices()->notice() && ui.model().notices()->notice()->title == u"Auftrag verschoben"_s,
                 qPrintable(ui.model().notices()->shown().message));
        const std::optional<QStringList> listed = m_server.jobIdentifiers();
        QVERIFY(listed);
        QVERIFY2(listed->contains(u"Laser-"_s + own->section(u'-', -1)), qPrintable(listed->join(u' ')));
    }

    // In the corner: empty space of the rounded area, far from any text or icon.
    void jobRowClickSelectsAndSecondClickDeselects_data()
    {
        TestTables::addBoolRows("inCorner", "centre", "empty space near the corner");
    }

    void jobRowClickSelectsAndSecondClickDeselects()
    {
        QFETCH(bool, inCorner);
        ContentViewHarness ui(CUPSService::systemLpstatURL);
        QVERIFY(ui.waitUntilIdle());
        QQuickItem *row = ui.jobRow(1);
        QVERIFY(row);
        const QPointF local
            = inCorner ? QPointF(row->width() - 14, row->height() - 6) : QPointF(row->width() / 2, row->height() / 2);
        QQuickItem *pane = ui.item("jobPane");

        ui.click(row, local);
        QVERIFY(row->property("isSelected").toBool());
        QCOMPARE(ui.model().selection()->selectedJobIDs(), QSet<QString> {m_jobs.at(1)});
        QVERIFY(ContentViewHarness::showsText(pane, u"1 ausgewählt"_s));

        ui.click(row, local);
        QVERIFY(!row->property("isSelected").toBool());
        QVERIFY(ui.model().selection()->selectedJobIDs().isEmpty());
        const QStringList texts = ContentViewHarness::visibleTexts(pane);
        QVERIFY(!texts.contains(u"1 ausgewählt"_s));
        QVERIFY(!texts.contains(u"0 ausgewählt"_s));
    }

    // Only Laser's jobs shown, chosen and selected through assistive
    // technology: the Farbe job selected before stays selected, the selection
    // line says it is hidden, and the move takes it along.
    void hiddenSelectedJobsStayInTheMove()
    {
        using Harness = ContentViewHarness;
        const ScreenReaderRunning screenReader;
        ContentViewHarness ui(CUPSService::systemLpstatURL);
        QVERIFY(ui.waitUntilIdle());
        QQuickItem *pane = ui.item("jobPane");
        QQuickItem *chooser = Harness::childItem(pane, "queueChooser");
        QCOMPARE(ui.model().selection()->sourceQueueChoices(),
                 (QStringList {u"Alle Warteschlangen"_s, u"B\u00fcro (1)"_s, u"Farbe (1)"_s, u"Laser (2)"_s}));

        ui.click(ui.jobRow(2)); // waits in Farbe
        QVERIFY(Harness::pressAccessibly(chooser));
        auto *popup = chooser->property("popup").value<QObject *>();
        QTRY_VERIFY(popup->property("opened").toBool());
        QQuickItem *laser = nullptr;
        QMetaObject::invokeMethod(popup->property("contentItem").value<QObject *>(), "itemAtIndex",
                                  Q_RETURN_ARG(QQuickItem *, laser), Q_ARG(int, 3));
        QVERIFY(Harness::pressAccessibly(laser));
        QTRY_VERIFY(!popup->property("opened").toBool());
        QCOMPARE(chooser->property("currentText").toString(), u"Laser (2)"_s);
        QVERIFY(Harness::pressAccessibly(Harness::childItem(pane, "selectShownButton")));

        QCOMPARE(ui.model().selection()->selectedJobIDs(), (QSet<QString> {m_jobs.at(0), m_jobs.at(1), m_jobs.at(2)}));
        QVERIFY(Harness::showsText(pane, u"3 ausgewählt, 1 davon ausgeblendet"_s));
        const QStringList names = Harness::accessibleNames(&ui.window());
        for (const QString &name :
             {u"2 Aufträge"_s, u"Aufträge filtern"_s, u"Quellwarteschlange"_s, u"Alle sichtbaren auswählen"_s,
              u"Auswahl aufheben"_s, u"Anhalten"_s, u"Freigeben"_s, u"Abbrechen …"_s})
            QVERIFY2(names.contains(name), qPrintable(name));
        QVERIFY(!Harness::childItem(pane, "selectShownButton")->isEnabled());
        // The jobs are held: release and cancel apply, hold does not, and a
        // press on it does nothing.
        QVERIFY(Harness::pressAccessibly(Harness::childItem(pane, "holdButton")));
        QVERIFY(!ui.model().work()->isActing());
        QVERIFY(Harness::childItem(pane, "releaseButton")->isEnabled());
        QVERIFY(QAccessible::queryAccessibleInterface(Harness::childItem(pane, "releaseButton"))
                    ->actionInterface()
                    ->actionNames()
                    .contains(QAccessibleActionInterface::pressAction()));
        QVERIFY(Harness::pressAccessibly(Harness::childItem(pane, "cancelButton")));
        QObject *cancelDialog = ui.part("cancelConfirmationDialog");
        QTRY_VERIFY(cancelDialog->property("opened").toBool());
        QCOMPARE(cancelDialog->property("lines").toStringList().size(), 3);
        QVERIFY(Harness::pressAccessibly(cancelDialog->property("keepButton").value<QQuickItem *>()));
        QTRY_VERIFY(!cancelDialog->property("opened").toBool());
        QCOMPARE(ui.model().selection()->jobCount(), 4);

        ui.click(ui.printerRow(0)); // Archiv
        // Everything but the pane's badge counts every job.
        QVERIFY(Harness::showsText(ui.item("transferSummary"), u"3 Aufträge"_s));
        ui.click(Harness::childItem(ui.part("actionBar"), "moveButton"));
        QObject *dialog = ui.part("confirmationDialog");
        QTRY_VERIFY(dialog->property("opened").toBool());
        QCOMPARE(dialog->property("lines").toStringList().size(), 3);
        ui.click(dialog->property("confirmButton").value<QQuickItem *>());
        QVERIFY(ui.waitUntilIdle());
        QStringList sources;
        for (const PrintJob &job : ui.model().selection()->jobs())
            sources.append(job.sourcePrinterName);
        sources.sort();
        QCOMPARE(sources, (QStringList {u"Archiv"_s, u"Archiv"_s, u"Archiv"_s, u"B\u00fcro"_s}));
    }

    void printerRowClickChoosesAndAChosenRowStaysChosen()
    {
        ContentViewHarness ui(CUPSService::systemLpstatURL);
        QVERIFY(ui.waitUntilIdle());
        QQuickItem *archiv = ui.printerRow(0);
        QQuickItem *farbe = ui.printerRow(2);
        QCOMPARE(farbe->property("name").toString(), u"Farbe"_s);

        ui.click(farbe);
        QCOMPARE(ui.model().selection()->selectedDestinationID().value_or(QString()), u"Farbe"_s);
        QVERIFY(farbe->property("isSelected").toBool());
        // Its small print counts the jobs that already wait in it.
        QCOMPARE(ContentViewHarness::visibleTexts(farbe),
                 (QStringList {u"Farbe"_s, u"1 wartend"_s, u"Als Ziel ausgewählt"_s}));

        ui.click(farbe);
        QCOMPARE(ui.model().selection()->selectedDestinationID().value_or(QString()), u"Farbe"_s);
        QVERIFY(farbe->property("isSelected").toBool());

        ui.click(archiv);
        QCOMPARE(ui.model().selection()->selectedDestinationID().value_or(QString()), u"Archiv"_s);
        QVERIFY(!farbe->property("isSelected").toBool());
    }

    void selectingAJobHidesItsQueueAndDropsItAsDestination()
    {
        ContentViewHarness ui(CUPSService::systemLpstatURL);
        QVERIFY(ui.waitUntilIdle());
        ui.click(ui.printerRow(3)); // Laser
        QCOMPARE(ui.model().selection()->selectedDestinationID().value_or(QString()), u"Laser"_s);

        ui.click(ui.jobRow(0)); // waits in Laser
        QVERIFY(!ui.model().selection()->hasSelectedDestination());
        QCOMPARE(ui.model().selection()->destinationCount(), 3);
        QCOMPARE(ContentViewHarness::visibleTexts(ui.item("destinationPane")).count(u"Als Ziel ausgewählt"_s), 0);
    }

    void summaryShowsThePlannedMoveOnceJobsAndDestinationAreChosen_data()
    {
        TestTables::addColumns<QList<int>, QString, QStringList>("jobRows", "destination", "expected");

        const QString idleTitle = u"Bereit zum Verschieben"_s;
        QTest::newRow("nothing chosen") << QList<int> {} << QString() << QStringList {idleTitle};
        QTest::newRow("jobs without destination") << QList<int> {0, 2} << QString() << QStringList {idleTitle};
        QTest::newRow("destination without jobs") << QList<int> {} << u"Archiv"_s << QStringList {idleTitle};
        QTest::newRow("one job") << QList<int> {1} << u"Archiv"_s
                                 << QStringList {u"QUELLDRUCKER"_s,         u"Laser"_s,  u"ZIELDRUCKER"_s, u"Archiv"_s,
                                                 u"AUSGEWÄHLTER AUFTRAG"_s, u"{job 1}"_s};
        // Source names sorted by code point: upper case before the umlaut.
        QTest::newRow("three jobs from three queues")
            << QList<int> {3, 2, 0} << u"Archiv"_s
            << QStringList {u"QUELLDRUCKER"_s, u"B\u00fcro, Farbe, Laser"_s, u"ZIELDRUCKER"_s,
                            u"Archiv"_s,       u"AUSGEWÄHLTE AUFTRÄGE"_s,    u"3 Aufträge"_s};
    }

    void summaryShowsThePlannedMoveOnceJobsAndDestinationAreChosen()
    {
        QFETCH(QList<int>, jobRows);
        QFETCH(QString, destination);
        QFETCH(QStringList, expected);
        expected.replaceInStrings(u"{job 1}"_s, m_jobs.at(1));
        ContentViewHarness ui(CUPSService::systemLpstatURL);
        QVERIFY(ui.waitUntilIdle());

        for (int row : jobRows)
            ui.click(ui.jobRow(row));
        if (!destination.isEmpty()) {
            for (int row = 0; row < ui.model().selection()->destinationCount(); ++row) {
                if (ui.printerRow(row)->property("name").toString() == destination)
                    ui.click(ui.printerRow(row));
            }
        }

        const QStringList texts = ContentViewHarness::visibleTexts(ui.item("transferSummary"));
        if (expected.size() == 1) {
            QCOMPARE(texts.first(), expected.first());
            QVERIFY(!texts.contains(u"QUELLDRUCKER"_s));
        } else {
            QCOMPARE(texts, expected);
        }
    }

    void actionBarFollowsWhetherAMoveMayBeRequested_data()
    {
        TestTables::addColumns<bool, QString, QString, QString, bool>("choose", "busy", "headline", "sentence",
                                                                      "enabled");

        const QString incomplete = u"Mindestens ein Auftrag und ein davon verschiedener Zieldrucker werden benötigt."_s;
        QTest::newRow("nothing chosen") << false << QString() << u"Auswahl vervollständigen"_s << incomplete << false;
        QTest::newRow("two jobs and a destination")
            << true << QString() << u"Bereit zur Sammelübergabe"_s
            << u"2 ausgewählte Aufträge werden erst nach Ihrer Bestätigung verschoben."_s << true;
        // A reload leaves the action bar as it is: only a move blocks it.
        QTest::newRow("complete and loading")
            << true << u"loading"_s << u"Bereit zur Sammelübergabe"_s
            << u"2 ausgewählte Aufträge werden erst nach Ihrer Bestätigung verschoben."_s << true;
        QTest::newRow("complete but moving")
            << true << u"moving"_s << u"Verschiebe 37 von 120 \u2026"_s << QString() << false;
    }

    void actionBarFollowsWhetherAMoveMayBeRequested()
    {
        QFETCH(bool, choose);
        QFETCH(QString, busy);
        QFETCH(QString, headline);
        QFETCH(QString, sentence);
        QFETCH(bool, enabled);
        ContentViewHarness ui(CUPSService::systemLpstatURL);
        QVERIFY(ui.waitUntilIdle());
        if (choose) {
            ui.click(ui.jobRow(0));
            ui.click(ui.jobRow(1));
            ui.click(ui.printerRow(0));
        }
        if (busy == u"loading"_s)
            PrintJobsViewModelTestAccess::setLoading(ui.model(), true);
        if (busy == u"moving"_s) {
            PrintJobsViewModelTestAccess::startHeldWork(ui.model(), 120);
            PrintJobsViewModelTestAccess::countOff(ui.model(), 37);
        }

        QQuickItem *actionBar = ui.item("actionBar");
        QQuickItem *button = ContentViewHarness::childItem(actionBar, "moveButton");
        const QString buttonText = busy == u"moving"_s ? u"Verschiebe \u2026"_s : u"Auswahl verschieben"_s;
        // While a move runs, its progress bar stands in for the sentence.
        QStringList expected {headline};
        if (!sentence.isEmpty())
            expected.append(sentence);
        expected.append(buttonText);
        QCOMPARE(ContentViewHarness::visibleTexts(actionBar), expected);
        QCOMPARE(button->isEnabled(), enabled);
        QCOMPARE(button->property("text").toString(), buttonText);
        QQuickItem *progress = ContentViewHarness::childItem(actionBar, "progressBar");
        QCOMPARE(progress->isVisible(), busy == u"moving"_s);
        if (busy == u"moving"_s) {
            QCOMPARE(progress->property("value").toReal(), 37.0);
            QCOMPARE(progress->property("to").toReal(), 120.0);
        }
        // A reload leaves the rows to the user, unfaded; while a move runs
        // no row takes a click.
        const bool rowsTakeClicks = busy != u"moving"_s;
        for (QQuickItem *row : {ui.jobRow(2), ui.printerRow(0)}) {
            QCOMPARE(row->isEnabled(), rowsTakeClicks);
            QCOMPARE(row->opacity(), rowsTakeClicks ? 1.0 : 0.5);
        }
        if (!rowsTakeClicks) {
            const QSet<QString> before = ui.model().selection()->selectedJobIDs();
            ui.click(ui.jobRow(2));
            ui.click(ui.printerRow(1));
            QCOMPARE(ui.model().selection()->selectedJobIDs(), before);
            QCOMPARE(ui.model().selection()->selectedDestinationID().value_or(QString()), u"Archiv"_s);
            PrintJobsViewModelTestAccess::setLoading(ui.model(), false);
            PrintJobsViewModelTestAccess::endHeldWork(ui.model());
        }
    }

    void statusBarShowsBusyStateStatusLineAndLpmove()
    {
        // A listing slow enough to look at the window while it runs.
        FakeCupsTools tools;
        tools.setJobLines({u"Laser-12 anna 1024"_s});
        tools.setPrinterNames({u"Laser"_s});
        tools.delayListing(u"-o"_s, 0.5);
        ContentViewHarness ui(tools.lpstatPath());
        QQuickItem *statusBar = ui.item("statusBar");
        QQuickItem *header = ui.item("headerRegion");
        // The first reload runs: clock, loading note, no lpmove yet.
        QTRY_VERIFY(ui.model().reload()->isLoading());
        QVERIFY(ContentViewHarness::showsText(header, u"Lade CUPS \u2026"_s));
        QCOMPARE(ContentViewHarness::visibleSymbols(statusBar), QStringList {u"clock"_s});
        for (const QString &text : ContentViewHarness::visibleTexts(statusBar))
            QVERIFY2(!text.startsWith(u"lpmove: "_s), qPrintable(text));
        // Neither rows nor the empty state while the first reload runs.
        QVERIFY(!ContentViewHarness::showsText(ui.item("jobPane"), u"Keine wartenden Aufträge"_s));
        QVERIFY(!ContentViewHarness::showsText(ui.item("destinationPane"), u"Keine Zieldrucker verfügbar"_s));

        QVERIFY(ui.waitUntilIdle());
        QVERIFY(!ContentViewHarness::showsText(header, u"Lade CUPS \u2026"_s));
        QCOMPARE(ContentViewHarness::visibleSymbols(statusBar), QStringList {u"checkmark.circle"_s});
        QVERIFY(ContentViewHarness::showsText(statusBar, ui.model().notices()->statusText()));
        QVERIFY(ContentViewHarness::showsText(statusBar, u"lpmove: "_s + tools.lpmovePath()));
    }

    void emptyStatesExplainWhatIsMissing_data()
    {
        TestTables::addColumns<QStringList, QStringList, bool, QStringList, QStringList>(
            "queues", "jobQueues", "selectFirstJob", "jobPaneTexts", "destinationPaneTexts");

        const QStringList noJobs {u"Keine wartenden Aufträge"_s,
                                  u"Sobald CUPS einen Auftrag meldet, erscheint er hier."_s};
        QTest::newRow("no queues, no jobs")
            << QStringList {} << QStringList {} << false << noJobs
            << QStringList {u"Keine Zieldrucker verfügbar"_s, u"Wählen Sie zuerst mindestens einen Auftrag."_s};
        QTest::newRow("the only queue holds the selected job")
            << QStringList {u"Laser"_s} << QStringList {u"Laser"_s} << true << QStringList {}
            << QStringList {u"Keine Zieldrucker verfügbar"_s,
                            u"Die Quellgeräte der Auswahl sind die einzigen bekannten Drucker."_s};
    }

    void emptyStatesExplainWhatIsMissing()
    {
        QFETCH(QStringList, queues);
        QFETCH(QStringList, jobQueues);
        QFETCH(bool, selectFirstJob);
        QFETCH(QStringList, jobPaneTexts);
        QFETCH(QStringList, destinationPaneTexts);
        // A scheduler of its own with just these queues and jobs; tools reach
        // it while it lives.
        PrivateCupsServer server;
        QVERIFY2(server.start(queues), qPrintable(server.lastError()));
        QVERIFY2(server.submitHeldJobs(jobQueues), qPrintable(server.lastError()));

        ContentViewHarness ui(CUPSService::systemLpstatURL);
        QVERIFY(ui.waitUntilIdle());
        if (selectFirstJob)
            ui.click(ui.jobRow(0));

        const QStringList jobTexts = ContentViewHarness::visibleTexts(ui.item("jobPane"));
        const QStringList destinationTexts = ContentViewHarness::visibleTexts(ui.item("destinationPane"));
        for (const QString &text : jobPaneTexts)
            QVERIFY2(jobTexts.contains(text), qPrintable(text));
        if (jobPaneTexts.isEmpty())
            QVERIFY(!jobTexts.contains(u"Keine wartenden Aufträge"_s));
        for (const QString &text : destinationPaneTexts)
            QVERIFY2(destinationTexts.contains(text), qPrintable(text));
        const QStringList names = ContentViewHarness::accessibleNames(&ui.window());
        for (const QString &text : jobPaneTexts + destinationPaneTexts)
            QVERIFY2(names.contains(text), qPrintable(text));
        // The count badges count what each pane lists.
        QCOMPARE(jobTexts.at(jobTexts.indexOf(u"Mehrfachauswahl möglich"_s) + 1), QString::number(jobQueues.size()));
        QCOMPARE(destinationTexts.at(destinationTexts.indexOf(u"Name deutlich prüfen, dann verschieben"_s) + 1),
                 u"0"_s);
    }

    void assistiveTechnologyReadsRowsBadgesAndArrow_data()
    {
        QTest::addColumn<bool>("startsLater");
        QTest::newRow("screen reader running from the start") << false;
        // Then the controls report their own state afresh, which must be the
        // rows' too.
        QTest::newRow("screen reader started after the window") << true;
    }

    void assistiveTechnologyReadsRowsBadgesAndArrow()
    {
        QFETCH(bool, startsLater);
        if (!startsLater)
            QAccessible::setActive(true);
        const auto inactive = qScopeGuard([] { QAccessible::setActive(false); });
        ContentViewHarness ui(CUPSService::systemLpstatURL);
        QVERIFY(ui.waitUntilIdle());
        using Harness = ContentViewHarness;

        QQuickItem *job = ui.jobRow(0);
        QCOMPARE(Harness::accessibleText(job, QAccessible::Name),
                 m_jobs.at(0) + u" · Quelle: Laser · Eigentümer: "_s + PrivateCupsServer::userName()
                     + u" · Titel: document.txt · Status: angehalten"_s);
        QCOMPARE(Harness::accessibleText(job, QAccessible::Description), u"Fügt diesen Auftrag zur Auswahl hinzu"_s);
        ui.click(job);
        QCOMPARE(Harness::accessibleText(job, QAccessible::Description), u"Hebt die Auswahl dieses Auftrags auf"_s);

        QQuickItem *printer = ui.printerRow(0);
        QCOMPARE(Harness::accessibleText(printer, QAccessible::Name), u"Drucker Archiv"_s);
        QCOMPARE(Harness::accessibleText(printer, QAccessible::Description), u"Wählt diesen Drucker als Ziel"_s);
        ui.click(printer);
        QCOMPARE(Harness::accessibleText(printer, QAccessible::Description), u"Als Ziel ausgewählt"_s);

        if (startsLater)
            QAccessible::setActive(true);
        // Two lists: jobs checked while selected, destinations radio buttons
        // checked while chosen.
        const struct
        {
            QQuickItem *item;
            QAccessible::Role role;
            bool checked;
        } roles[] {
            {ui.lazyList("jobPane"), QAccessible::List, false},
            {ui.jobRow(0), QAccessible::ListItem, true},
            {ui.jobRow(1), QAccessible::ListItem, false},
            {ui.lazyList("destinationPane"), QAccessible::List, false},
            {ui.printerRow(0), QAccessible::RadioButton, true},
            {ui.printerRow(1), QAccessible::RadioButton, false},
        };
        for (const auto &[item, role, checked] : roles) {
            QAccessibleInterface *interface = QAccessible::queryAccessibleInterface(item);
            QVERIFY(interface);
            QCOMPARE(interface->role(), role);
            QCOMPARE(bool(interface->state().checkable), role != QAccessible::List);
            QCOMPARE(bool(interface->state().checked), checked);
            // Each row knows its place in its list.
            if (role != QAccessible::List)
                QCOMPARE(interface->parent()->indexOfChild(interface), item->property("index").toInt());
        }
        QVERIFY(QAccessible::queryAccessibleInterface(ui.jobRow(0))->state().selected);

        const QList<QQuickItem *> items = ui.view()->findChildren<QQuickItem *>();
        const auto countBadges = [&items] {
            QStringList badges;
            for (QQuickItem *item : items) {
                if (item->isVisible() && QString::fromLatin1(item->metaObject()->className()).startsWith(u"CountBadge"))
                    badges.append(Harness::accessibleText(item, QAccessible::Name));
            }
            return badges;
        };
        QStringList arrows;
        for (QQuickItem *item : items) {
            if (item->isVisible() && Harness::accessibleText(item, QAccessible::Name) == u"wird verschoben nach"_s)
                arrows.append(item->objectName());
        }
        // All waiting jobs, and the queues left once a Laser job is selected.
        QCOMPARE(countBadges(), (QStringList {u"4 Aufträge"_s, u"3 Zieldrucker"_s}));
        QCOMPARE(arrows.size(), 1);
        ui.model().selection()->setJobFilterText(u"B\u00fcro"_s);
        QTRY_COMPARE(countBadges(), (QStringList {u"1 Auftrag"_s, u"3 Zieldrucker"_s}));
    }

    void assistiveTechnologyReadsEveryText_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<QStringList>("expected");

        const QStringList always {
            u"Parvento"_s,
            u"Mehrere Aufträge auswählen, Zielnamen prüfen und gemeinsam an CUPS übergeben."_s,
            u"Aufträge auswählen"_s,
            u"Mehrfachauswahl möglich"_s,
            u"Zieldrucker auswählen"_s,
            u"Name deutlich prüfen, dann verschieben"_s,
            u"{row 0}"_s,
            u"Drucker Archiv"_s,
            u"Aktualisieren"_s,
            u"{status}"_s,
            u"lpmove: {lpmove}"_s,
        };
        const QStringList idle {
            u"Bereit zum Verschieben"_s,
            u"Wählen Sie links einen oder mehrere Aufträge und rechts den gut lesbaren Namen des Zieldruckers."_s,
            u"Auswahl vervollständigen"_s,
            u"Mindestens ein Auftrag und ein davon verschiedener Zieldrucker werden benötigt."_s,
            u"Auswahl verschieben"_s,
        };
        const QStringList ready {
            u"2 ausgewählt"_s,
            u"QUELLDRUCKER"_s,
            u"Laser"_s,
            u"wird verschoben nach"_s,
            u"ZIELDRUCKER"_s,
            u"Archiv"_s,
            u"AUSGEWÄHLTE AUFTRÄGE"_s,
            u"2 Aufträge"_s,
            u"Bereit zur Sammelübergabe"_s,
            u"2 ausgewählte Aufträge werden erst nach Ihrer Bestätigung verschoben."_s,
        };
        QTest::newRow("nothing chosen") << u"idle"_s << always + idle;
        QTest::newRow("a reload runs") << u"loading"_s << always + idle + QStringList {u"Lade CUPS \u2026"_s};
        QTest::newRow("two jobs and a destination") << u"ready"_s << always + ready;
        QTest::newRow("confirmation") << u"confirmation"_s
                                      << always + ready
                + QStringList {u"Ausgewählte Aufträge verschieben?"_s,
                               u"2 Druckaufträge werden verschoben:"_s,
                               u"• {job 0}  (Laser)\n• {job 1}  (Laser)"_s,
                               u"Nach: Archiv"_s,
                               u"Papierformat und Treiberoptionen können am Zieldrucker abweichen."_s,
                               u"Verschieben"_s,
                               u"Abbrechen"_s};
        // The progress in place of the action bar's texts.
        QTest::newRow("a move runs") << u"moving"_s
                                     << always + ready.first(8)
                + QStringList {u"Verschiebe 37 von 120 \u2026"_s, u"Verschiebe \u2026"_s};
    }

    void assistiveTechnologyReadsEveryText()
    {
        QFETCH(QString, state);
        QFETCH(QStringList, expected);
        const ScreenReaderRunning screenReader;
        ContentViewHarness ui(CUPSService::systemLpstatURL);
        QVERIFY(ui.waitUntilIdle());
        if (state != u"idle"_s && state != u"loading"_s) {
            ui.click(ui.jobRow(0));
            ui.click(ui.jobRow(1));
            ui.click(ui.printerRow(0));
        }
        const QString status = ui.model().notices()->statusText();
        const QString lpmove = ui.model().reload()->lpmovePathText();
        if (state == u"confirmation"_s) {
            ui.click(ContentViewHarness::childItem(ui.part("actionBar"), "moveButton"));
            QTRY_VERIFY(ui.part("confirmationDialog")->property("opened").toBool());
        }
        if (state == u"loading"_s)
            PrintJobsViewModelTestAccess::setLoading(ui.model(), true);
        if (state == u"moving"_s) {
            PrintJobsViewModelTestAccess::startHeldWork(ui.model(), 120);
            PrintJobsViewModelTestAccess::countOff(ui.model(), 37);
        }
        ContentViewHarness::settle();

        const QStringList names = ContentViewHarness::accessibleNames(&ui.window());
        const QString row0 = ContentViewHarness::accessibleText(ui.jobRow(0), QAccessible::Name);
        QStringList missing;
        for (QString text : std::as_const(expected)) {
            text.replace(u"{row 0}"_s, row0).replace(u"{status}"_s, status).replace(u"{lpmove}"_s, lpmove);
            text.replace(u"{job 0}"_s, m_jobs.at(0)).replace(u"{job 1}"_s, m_jobs.at(1));
            if (!names.contains(text))
                missing.append(text);
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u" | "_s)));
        PrintJobsViewModelTestAccess::setLoading(ui.model(), false);
        PrintJobsViewModelTestAccess::endHeldWork(ui.model());
        if (state == u"confirmation"_s)
            ui.press(Qt::Key_Escape);
    }

    // Row, destination, move button, both dialog buttons, the alert's buttons,
    // the undo question's buttons and the refresh button, each pressed
    // through assistive technology.
    void assistiveTechnologyPressesWhatAClickPresses()
    {
        using Harness = ContentViewHarness;
        const ScreenReaderRunning screenReader;
        ContentViewHarness ui(CUPSService::systemLpstatURL);
        QVERIFY(ui.waitUntilIdle());
        QObject *dialog = ui.part("confirmationDialog");
        QObject *alert = ui.part("noticeAlert");
        QQuickItem *moveButton = Harness::childItem(ui.part("actionBar"), "moveButton");

        QVERIFY(Harness::pressAccessibly(ui.jobRow(0)));
        QVERIFY(Harness::pressAccessibly(ui.jobRow(1)));
        QVERIFY(Harness::pressAccessibly(ui.jobRow(1)));
        QCOMPARE(ui.model().selection()->selectedJobIDs(), QSet<QString> {m_jobs.at(0)});
        QVERIFY(Harness::pressAccessibly(ui.printerRow(0)));
        QCOMPARE(ui.model().selection()->selectedDestinationID().value_or(QString()), u"Archiv"_s);

        QVERIFY(Harness::pressAccessibly(moveButton));
        QTRY_VERIFY(dialog->property("opened").toBool());
        QVERIFY(Harness::pressAccessibly(dialog->property("keepButton").value<QObject *>()));
        QTRY_VERIFY(!dialog->property("opened").toBool());
        QVERIFY(!ui.model().move()->question()->isOpen());
        QCOMPARE(ui.model().selection()->jobs().at(0).sourcePrinterName, u"Laser"_s);

        QVERIFY(Harness::pressAccessibly(moveButton));
        QTRY_VERIFY(dialog->property("opened").toBool());
        QVERIFY(Harness::pressAccessibly(dialog->property("confirmButton").value<QObject *>()));
        QVERIFY(ui.waitUntilIdle());
        QTRY_VERIFY(alert->property("opened").toBool());
        const QStringList names = Harness::accessibleNames(&ui.window());
        QVERIFY2(names.contains(u"Auftrag verschoben"_s), qPrintable(names.join(u'|')));
        QVERIFY(names.contains(ui.model().notices()->shown().message));
        QVERIFY(names.contains(u"Rückgängig machen"_s));
        QCOMPARE(ui.model().selection()->jobs().at(0).sourcePrinterName, u"Archiv"_s);

        // The report's offer to take the move back, "Abbrechen" in the
        // question, then asked again and "Zurück verschieben".
        QObject *undoDialog = ui.part("undoConfirmationDialog");
        QVERIFY(Harness::pressAccessibly(alert->property("undoButton").value<QObject *>()));
        QTRY_VERIFY(undoDialog->property("opened").toBool());
        QVERIFY(!alert->property("opened").toBool());
        QVERIFY(Harness::pressAccessibly(undoDialog->property("keepButton").value<QObject *>()));
        QTRY_VERIFY(!undoDialog->property("opened").toBool());
        QVERIFY(ui.model().undo()->canUndo());
        ui.model().undo()->requestConfirmation();
        QTRY_VERIFY(undoDialog->property("opened").toBool());
        QVERIFY(Harness::pressAccessibly(undoDialog->property("confirmButton").value<QObject *>()));
        QVERIFY(ui.waitUntilIdle());
        QTRY_VERIFY(alert->property("opened").toBool());
        QVERIFY(Harness::accessibleNames(&ui.window()).contains(u"Auftrag zurückverschoben"_s));
        QVERIFY(Harness::pressAccessibly(alert->property("okButton").value<QObject *>()));
        QTRY_VERIFY(!alert->property("opened").toBool());
        QVERIFY(!ui.model().notices()->notice());
        QCOMPARE(ui.model().selection()->jobs().at(0).sourcePrinterName, u"Laser"_s);

        // A disabled control ignores the press, as it ignores a click.
        QVERIFY(!moveButton->isEnabled());
        QVERIFY(Harness::pressAccessibly(moveButton));
        QVERIFY(!dialog->property("opened").toBool());

        const StateWitness reloaded(ui.model(), [&ui] { return ui.model().reload()->isLoading(); });
        QVERIFY(Harness::pressAccessibly(ui.item("refreshButton")));
        QVERIFY(reloaded.seen());
        QVERIFY(ui.waitUntilIdle());
    }

    void longSourceNamesAreCutShortOnOneLine()
    {
        // Queue names longer than CUPS setups tend to have, from fake lpstat
        // to keep the scheduler's setup short.
        FakeCupsTools tools;
        QStringList lines;
        QStringList printers {u"Ziel"_s};
        for (int i = 1; i <= 6; ++i) {
            const QString queue = u"Abteilung-Rechnungswesen-Etage%1-Farblaser"_s.arg(i);
            printers.append(queue);
            lines.append(queue + u"-%1 anna 1024"_s.arg(i));
        }
        tools.setJobLines(lines);
        tools.setPrinterNames(printers);
        ContentViewHarness ui(tools.lpstatPath());
        QVERIFY(ui.waitUntilIdle());
        for (int row = 0; row < 6; ++row)
            ui.click(ui.jobRow(row));
        ui.click(ui.printerRow(ui.model().selection()->destinationCount() - 1));
        QCOMPARE(ui.model().selection()->selectedDestinationName(), u"Ziel"_s);

        QQuickItem *summary = ui.item("transferSummary");
        QQuickItem *sources = nullptr;
        QQuickItem *count = nullptr;
        for (QQuickItem *item : summary->findChildren<QQuickItem *>()) {
            if (!item->inherits("QQuickText") || !item->isVisible())
                continue;
            if (item->property("text").toString().startsWith(u"Abteilung"_s))
                sources = item;
            if (item->property("text").toString() == u"6 Aufträge"_s)
                count = item;
        }
        QVERIFY(sources && count);
        QCOMPARE(sources->property("lineCount").toInt(), 1);
        QVERIFY(sources->property("truncated").toBool());
        // Nothing is pushed out of the banner.
        const QRectF banner(0, 0, summary->width(), summary->height());
        QVERIFY(banner.contains(count->mapRectToItem(summary, QRectF(0, 0, count->width(), count->height()))));
        QVERIFY(sources->mapRectToItem(summary, QRectF(0, 0, sources->width(), 1)).right()
                < count->mapToItem(summary, QPointF()).x());
    }

    void textsFollowTheUsersFontSize()
    {
        const QFont original = QGuiApplication::font();
        ContentViewHarness ui(CUPSService::systemLpstatURL);
        QVERIFY(ui.waitUntilIdle());
        const auto titleFont = [&ui] {
            for (QQuickItem *item : ui.jobRow(0)->findChildren<QQuickItem *>()) {
                if (item->inherits("QQuickText") && item->property("text").toString() == u"document.txt"_s)
                    return item->property("font").value<QFont>();
            }
            return QFont();
        };
        const QFont before = titleFont();
        QCOMPARE(before.pointSizeF(), original.pointSizeF());
        QVERIFY(before.bold());
        // Smaller styles keep their exact share of it, fractions included.
        for (QQuickItem *item : ui.item("jobPane")->findChildren<QQuickItem *>()) {
            if (item->inherits("QQuickText") && item->property("text").toString() == u"Mehrfachauswahl möglich"_s)
                QCOMPARE(item->property("font").value<QFont>().pointSizeF(), original.pointSizeF() * 10 / 13);
        }

        QFont larger = original;
        larger.setPointSizeF(original.pointSizeF() * 1.5);
        QGuiApplication::setFont(larger);
        ContentViewHarness::settle();
        const QFont after = titleFont();
        QGuiApplication::setFont(original);
        QCOMPARE(after.pointSizeF(), larger.pointSizeF());
    }
};

QTEST_MAIN(ContentViewTest)
#include "tst_contentview.moc"
