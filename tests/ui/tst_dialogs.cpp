// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
// The window's modal surfaces and its reloads, driven with mouse and keys:
// the move and cancel confirmations and their results with the real tools on a
// private CUPS scheduler; the notice alert, the "Aktualisieren" button and the
// periodic reload on fake tools that can be made slow or unusable.

#include "ContentViewHarness.h"
#include "UiTestCase.h"

#include <FakeCupsTools.h>
#include <StateWitness.h>
#include <TestRecords.h>
#include <TestTables.h>

#include <QDateTime>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const QStringList jobLines {u"Laser-12 anna 1024 Mon 01 Jan 2024"_s, u"Laser-13 anna 1024 Mon 01 Jan 2024"_s,
                            u"Farbe-14 bernd 1024 Mon 01 Jan 2024"_s};
const QStringList printerNames {u"Archiv"_s, u"Farbe"_s, u"Laser"_s};
// The queue of each held job on the scheduler, in listing order.
const QStringList jobQueues {u"Laser"_s, u"Laser"_s, u"Farbe"_s};

bool isOpen(const QObject *popup)
{
    return popup->property("opened").toBool();
}

QQuickItem *button(const QObject *popup, const char *name)
{
    return popup->property(name).value<QQuickItem *>();
}

} // namespace

class DialogsTest : public UiTestCase
{
    Q_OBJECT

public:
    DialogsTest()
        : UiTestCase(printerNames, jobQueues)
    { }

private Q_SLOTS:
    void cleanup() { m_tools.reset(); }

    void moveButtonAsksWithTheExactMessage()
    {
        ContentViewHarness ui(CUPSService::systemLpstatURL);
        QVERIFY(ui.waitUntilIdle());
        askToMoveTwoLaserJobsToArchiv(ui);
        QObject *dialog = ui.part("confirmationDialog");
        QVERIFY(ui.model().move()->question()->isOpen());
        const QString message
            = u"2 Druckaufträge werden verschoben:\n\n• %1  (Laser)\n• %2  (Laser)\n\n"
              u"Nach: Archiv\n\nPapierformat und Treiberoptionen können am Zieldrucker abweichen."_s.arg(m_jobs.at(0),
                                                                                                         m_jobs.at(1));
        QCOMPARE(ui.model().move()->confirmation().text(), message);
        QQuickItem *popupItem = dialog->property("contentItem").value<QQuickItem *>()->parentItem();
        const QStringList texts = ContentViewHarness::visibleTexts(popupItem);
        QVERIFY2(texts.contains(u"Ausgewählte Aufträge verschieben?"_s), qPrintable(texts.join(u'|')));
        // The message in its parts: the job lines scroll between the others.
        for (const QString &part :
             {u"2 Druckaufträge werden verschoben:"_s, m_jobs.at(0) + u"  (Laser)"_s, m_jobs.at(1) + u"  (Laser)"_s,
              u"Nach: Archiv"_s, u"Papierformat und Treiberoptionen können am Zieldrucker abweichen."_s})
            QVERIFY2(texts.contains(part), qPrintable(part));
        // The confirming action comes first, the cancelling one after it.
        QQuickItem *confirm = button(dialog, "confirmButton");
        QQuickItem *cancel = button(dialog, "keepButton");
        QCOMPARE(confirm->property("text").toString(), u"Verschieben"_s);
        QCOMPARE(cancel->property("text").toString(), u"Abbrechen"_s);
        QVERIFY(confirm->mapToScene({}).x() < cancel->mapToScene({}).x());

        ui.click(cancel);
    }

    void closingWithoutConfirmingChangesNothingElse_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Abbrechen") << u"cancel"_s;
        QTest::newRow("Escape") << u"escape"_s;
        QTest::newRow("click outside") << u"outside"_s;
    }

    void closingWithoutConfirmingChangesNothingElse()
    {
        QFETCH(QString, how);
        ContentViewHarness ui(CUPSService::systemLpstatURL);
        QVERIFY(ui.waitUntilIdle());
        chooseTwoLaserJobsForArchiv(ui);
        const QSet<QString> jobs = ui.model().selection()->selectedJobIDs();
        const qsizetype movesBefore = m_server.answeredRequests(u"CUPS-Move-Job"_s);
        requestMove(ui);
        QObject *dialog = ui.part("confirmationDialog");

        if (how == u"cancel"_s)
            ui.click(button(dialog, "keepButton"));
        else if (how == u"escape"_s)
            ui.press(Qt::Key_Escape);
        else
            QTest::mouseClick(&ui.window(), Qt::LeftButton, {}, QPoint(12, ui.window().height() / 2));

        QTRY_VERIFY(!isOpen(dialog));
        QVERIFY(!ui.model().move()->question()->isOpen());
        QCOMPARE(ui.model().selection()->selectedJobIDs(), jobs);
        QCOMPARE(ui.model().selection()->selectedDestinationID().value_or(QString()), u"Archiv"_s);
        QCOMPARE(ui.model().selection()->jobCount(), 3);
        // A move wrongly started would have reached the scheduler once idle.
        QVERIFY(ui.waitUntilIdle());
        QCOMPARE(m_server.answeredRequests(u"CUPS-Move-Job"_s), movesBefore);
        QVERIFY(!ui.model().notices()->notice());
    }

    void deleteAsksToCancelAndOnlyConfirmingCancels_data()
    {
        QTest::addColumn<QString>("focus"); // where Delete is pressed: "row", "window", "filter"
        QTest::addColumn<QString>("answer"); // "escape", "keep", "confirm"; empty when nothing comes up
        QTest::newRow("in the list, then Escape") << u"row"_s << u"escape"_s;
        QTest::newRow("in the window, then Behalten") << u"window"_s << u"keep"_s;
        QTest::newRow("in the list, then Aufträge abbrechen") << u"row"_s << u"confirm"_s;
        QTest::newRow("typing in the filter: a key of the text") << u"filter"_s << QString();
    }

    void deleteAsksToCancelAndOnlyConfirmingCancels()
    {
        QFETCH(QString, focus);
        QFETCH(QString, answer);
        ContentViewHarness ui(CUPSService::systemLpstatURL);
        QVERIFY(ui.waitUntilIdle());
        ui.click(ui.jobRow(0));
        ui.click(ui.jobRow(1));
        QCOMPARE(ui.window().activeFocusItem(), ui.jobRow(1));
        if (focus == u"window"_s)
            ui.item("refreshButton")->forceActiveFocus(Qt::TabFocusReason);
        else if (focus == u"filter"_s)
            ContentViewHarness::childItem(ui.part("jobPane"), "filterField")->forceActiveFocus(Qt::TabFocusReason);
        QObject *dialog = ui.part("cancelConfirmationDialog");
        const qsizetype cancelsBefore = m_server.answeredRequests(u"Cancel-Job"_s);

        ui.press(Qt::Key_Delete);
        if (answer.isEmpty()) {
            QVERIFY(!isOpen(dialog));
            QVERIFY(!ui.model().actions()->cancelQuestion()->isOpen());
            QCOMPARE(ui.model().selection()->selectedJobCount(), 2);
            return;
        }
        QTRY_VERIFY(isOpen(dialog));
        QQuickItem *popupItem = dialog->property("contentItem").value<QQuickItem *>()->parentItem();
        const QStringList texts = ContentViewHarness::visibleTexts(popupItem);
        for (const QString &part :
             {u"Ausgewählte Aufträge abbrechen?"_s, u"2 Druckaufträge werden abgebrochen:"_s,
              m_jobs.at(0) + u"  (Laser)  „document.txt“"_s, m_jobs.at(1) + u"  (Laser)  „document.txt“"_s,
              u"Abgebrochene Aufträge werden nicht gedruckt und lassen sich nicht zurückholen."_s,
              u"Aufträge abbrechen"_s, u"Behalten"_s})
            QVERIFY2(texts.contains(part), qPrintable(part + u" in "_s + texts.join(u'|')));
        // Keeping the jobs is the default; the destructive button comes first.
        QQuickItem *confirm = button(dialog, "confirmButton");
        QQuickItem *keep = button(dialog, "keepButton");
        QTRY_COMPARE(ui.window().activeFocusItem(), keep);
        QVERIFY(confirm->property("destructive").toBool());
        QVERIFY(confirm->mapToScene({}).x() < keep->mapToScene({}).x());

        if (answer == u"escape"_s)
            ui.press(Qt::Key_Escape);
        else
            ui.click(answer == u"keep"_s ? keep : confirm);
        QTRY_VERIFY(!isOpen(dialog));
        QVERIFY(!ui.model().actions()->cancelQuestion()->isOpen());
        if (answer == u"confirm"_s) {
            QVERIFY(ui.waitUntilIdle());
            QTRY_VERIFY(ui.model().notices()->notice());
            QCOMPARE(ui.model().notices()->notice()->title, u"2 Aufträge abgebrochen"_s);
            QCOMPARE(TestRecords::identifiers(ui.model().selection()->jobs()), QStringList {m_jobs.at(2)});
            return;
        }
        QCOMPARE(ui.model().selection()->selectedJobCount(), 2);
        QCOMPARE(ui.model().selection()->jobCount(), 3);
        QVERIFY(ui.waitUntilIdle());
        QCOMPARE(m_server.answeredRequests(u"Cancel-Job"_s), cancelsBefore);
        QVERIFY(!ui.model().notices()->notice());
    }

    void confirmingMovesOnceAndReportsInAnAlert_data()
    {
        // How the report is answered: "OK", or its "Rückgängig machen", or
        // Ctrl+Z while it is up. The undo confirmation is first left with
        // Escape, then asked for again with Ctrl+Z and confirmed.
        QTest::addColumn<QString>("answer");
        QTest::newRow("OK") << u"ok"_s;
        QTest::newRow("Rückgängig machen") << u"undo"_s;
        QTest::newRow("Ctrl+Z") << u"ctrl+z"_s;
    }

    void confirmingMovesOnceAndReportsInAnAlert()
    {
        QFETCH(QString, answer);
        ContentViewHarness ui(CUPSService::systemLpstatURL);
        QVERIFY(ui.waitUntilIdle());
        askToMoveTwoLaserJobsToArchiv(ui);
        QObject *dialog = ui.part("confirmationDialog");
        QObject *alert = ui.part("noticeAlert");
        const qsizetype movesBefore = m_server.answeredRequests(u"CUPS-Move-Job"_s);

        ui.click(button(dialog, "confirmButton"));
        QTRY_VERIFY(!isOpen(dialog));
        QVERIFY(!ui.model().move()->question()->isOpen());
        QVERIFY(ui.waitUntilIdle());

        // Both jobs moved, once each, and the closing reload lists them in Archiv.
        QTRY_COMPARE(m_server.answeredRequests(u"CUPS-Move-Job"_s), movesBefore + 2);
        const auto queuesNow = [&ui] {
            QStringList queues;
            for (const PrintJob &job : ui.model().selection()->jobs())
                queues.append(job.sourcePrinterName);
            return queues;
        };
        QCOMPARE(queuesNow(), (QStringList {u"Archiv"_s, u"Archiv"_s, u"Farbe"_s}));

        QTRY_VERIFY(isOpen(alert));
        QQuickItem *popupItem = alert->property("contentItem").value<QQuickItem *>()->parentItem();
        const QStringList texts = ContentViewHarness::visibleTexts(popupItem);
        QCOMPARE(
            QSet<QString>(texts.cbegin(), texts.cend()),
            (QSet<QString> {u"2 Aufträge verschoben"_s,
                            u"Alle ausgewählten Aufträge wurden an Archiv übergeben. Die Listen werden aktualisiert."_s,
                            u"Rückgängig machen"_s, u"OK"_s}));

        if (answer == u"ok"_s) {
            ui.click(button(alert, "okButton"));
            QTRY_VERIFY(!isOpen(alert));
            QVERIFY(!ui.model().notices()->notice());
            QVERIFY(ui.model().undo()->canUndo());
            // Only the last move can be taken back: cancelling a job ends the offer.
            ui.click(ui.jobRow(2));
            ui.press(Qt::Key_Delete);
            QTRY_VERIFY(isOpen(ui.part("cancelConfirmationDialog")));
            ui.click(button(ui.part("cancelConfirmationDialog"), "confirmButton"));
            QVERIFY(ui.waitUntilIdle());
            QTRY_VERIFY(isOpen(alert));
            QVERIFY(!ui.model().undo()->canUndo());
            QVERIFY(!button(alert, "undoButton")->isVisible());
            return;
        }
        QObject *undoDialog = ui.part("undoConfirmationDialog");
        if (answer == u"undo"_s)
            ui.click(button(alert, "undoButton"));
        else
            QTest::keyClick(&ui.window(), Qt::Key_Z, Qt::ControlModifier);
        QTRY_VERIFY(isOpen(undoDialog));
        QTRY_VERIFY(!isOpen(alert));
        QVERIFY(!ui.model().notices()->notice());
        if (answer == u"undo"_s) {
            QQuickItem *undoItem = undoDialog->property("contentItem").value<QQuickItem *>()->parentItem();
            const QStringList undoTexts = ContentViewHarness::visibleTexts(undoItem);
            for (const QString &part :
                 {u"Verschiebung rückgängig machen?"_s, u"2 Druckaufträge werden zurückverschoben:"_s,
                  u"Archiv-"_s + m_jobs.at(0).section(u'-', -1) + u" → Laser"_s, u"Zurück verschieben"_s,
                  u"Abbrechen"_s})
                QVERIFY2(undoTexts.contains(part), qPrintable(part + u" in "_s + undoTexts.join(u'|')));
            // Leaving the jobs where they are is the default, and Escape's.
            QTRY_COMPARE(ui.window().activeFocusItem(), button(undoDialog, "keepButton"));
            ui.press(Qt::Key_Escape);
            QTRY_VERIFY(!isOpen(undoDialog));
            QVERIFY(ui.model().undo()->canUndo());
            QVERIFY(ui.waitUntilIdle());
            QCOMPARE(m_server.answeredRequests(u"CUPS-Move-Job"_s), movesBefore + 2);
            QTest::keyClick(&ui.window(), Qt::Key_Z, Qt::ControlModifier);
            QTRY_VERIFY(isOpen(undoDialog));
        }
        ui.click(button(undoDialog, "confirmButton"));
        QTRY_VERIFY(!isOpen(undoDialog));
        QVERIFY(ui.waitUntilIdle());
        QTRY_VERIFY(ui.model().notices()->notice());
        QCOMPARE(ui.model().notices()->notice()->title, u"2 Aufträge zurückverschoben"_s);
        QCOMPARE(queuesNow(), (QStringList {u"Laser"_s, u"Laser"_s, u"Farbe"_s}));
        QVERIFY(!ui.model().undo()->canUndo());
        QTRY_VERIFY(isOpen(alert));
        QVERIFY(!button(alert, "undoButton")->isVisible());
    }

    void confirmingWhileAReloadRunsMovesAfterIt()
    {
        useFakeTools();
        ContentViewHarness ui(m_tools->lpstatPath());
        QVERIFY(ui.waitUntilIdle());
        askToMoveTwoLaserJobsToArchiv(ui);
        QObject *dialog = ui.part("confirmationDialog");

        m_tools->delayListing(u"-a"_s, 0.5);
        ui.model().reload()->refresh();
        QVERIFY(ui.model().reload()->isLoading());
        const StateWitness moved(ui.model(), [&ui] { return ui.model().work()->isMoving(); });
        ui.click(button(dialog, "confirmButton"));
        QTRY_VERIFY(!isOpen(dialog));
        QTRY_VERIFY(moved.seen());
        QTRY_VERIFY_WITH_TIMEOUT(!ui.model().reload()->isBusy(), 20'000);
        QCOMPARE(m_tools->calls(u"lpmove"_s).size(), 2);
        QVERIFY(ui.model().notices()->notice().has_value());
        QTRY_VERIFY(isOpen(ui.part("noticeAlert")));
    }

    void aNoticeWithTheSameTextsIsANewAlert()
    {
        useFakeTools();
        m_tools->setLpstatExecutable(false);
        ContentViewHarness ui(m_tools->lpstatPath());
        QVERIFY(ui.waitUntilIdle());
        QObject *alert = ui.part("noticeAlert");
        QTRY_VERIFY(isOpen(alert));
        QSignalSpy opened(alert, SIGNAL(opened()));
        const QString firstID = ui.model().notices()->shown().idText();
        QCOMPARE(alert->property("title").toString(), u"CUPS nicht verfügbar"_s);
        QCOMPARE(alert->property("message").toString(), ui.model().notices()->shown().message);

        // The same failure straight again only updates the status line; after
        // a success in between it is presented anew, the alert still up.
        ui.model().reload()->refresh();
        QVERIFY(ui.waitUntilIdle());
        QCOMPARE(ui.model().notices()->shown().idText(), firstID);
        // A reload that succeeds, then the failure again.
        const auto succeedThenFail = [this, &ui] {
            m_tools->setLpstatExecutable(true);
            ui.model().reload()->refresh();
            QVERIFY(ui.waitUntilIdle());
            m_tools->setLpstatExecutable(false);
            ui.model().reload()->refresh();
            QVERIFY(ui.waitUntilIdle());
        };
        succeedThenFail();
        QVERIFY(ui.model().notices()->shown().idText() != firstID);
        QTRY_COMPARE(opened.size(), 1);
        QVERIFY(isOpen(alert));

        // One "OK" dismisses the notice on screen.
        ui.click(button(alert, "okButton"));
        QTRY_VERIFY(!isOpen(alert));
        QVERIFY(!ui.model().notices()->notice());

        // And once dismissed, the next equal notice comes up again.
        succeedThenFail();
        QTRY_COMPARE(opened.size(), 2);
        ui.press(Qt::Key_Escape);
        QTRY_VERIFY(!isOpen(alert));
        QVERIFY(!ui.model().notices()->notice());
    }

    void refreshButtonIsDisabledWhileBusy_data()
    {
        TestTables::addBoolRows("moving", "while a reload runs", "while a move runs");
    }

    void refreshButtonIsDisabledWhileBusy()
    {
        useFakeTools();
        QFETCH(bool, moving);
        ContentViewHarness ui(m_tools->lpstatPath());
        QVERIFY(ui.waitUntilIdle());
        QQuickItem *refresh = ui.item("refreshButton");
        QVERIFY(refresh->isEnabled());
        QCOMPARE(refresh->property("text").toString(), u"Aktualisieren"_s);

        if (moving) {
            m_tools->delayMoves(0.4);
            askToMoveTwoLaserJobsToArchiv(ui);
            ui.click(button(ui.part("confirmationDialog"), "confirmButton"));
            QTRY_VERIFY(ui.model().work()->isMoving());
        } else {
            m_tools->delayListing(u"-o"_s, 0.4);
            const qsizetype before = m_tools->calls(u"lpstat"_s, {u"-o"_s}).size();
            const StateWitness reloading(ui.model(), [&ui] { return ui.model().reload()->isLoading(); });
            ui.click(refresh);
            // The press starts the reload and returns before it ends.
            QVERIFY(reloading.seen());
            QTRY_COMPARE(m_tools->calls(u"lpstat"_s, {u"-o"_s}).size(), before + 1);
        }
        QVERIFY(!refresh->isEnabled());
        const qsizetype listings = m_tools->calls(u"lpstat"_s, {u"-o"_s}).size();
        ui.click(refresh);
        QVERIFY(ui.waitUntilIdle());
        QVERIFY(refresh->isEnabled());
        // The click on the disabled button started nothing; a move adds its
        // closing reload only.
        QCOMPARE(m_tools->calls(u"lpstat"_s, {u"-o"_s}).size(), listings + (moving ? 1 : 0));
    }

    void periodicReloadRunsAtOnceThenAfterEachFinishedReload()
    {
        useFakeTools();
        constexpr int interval = 300;
        m_tools->delayListing(u"-a"_s, 0.2);
        QList<FakeCupsTools::Call> calls;
        const double opened = QDateTime::currentMSecsSinceEpoch() / 1000.0;
        {
            ContentViewHarness ui(m_tools->lpstatPath(), interval);
            QTRY_VERIFY_WITH_TIMEOUT(m_tools->calls(u"lpstat"_s, {u"-o"_s}).size() >= 3, 10'000);
            QVERIFY(ui.waitUntilIdle());
            // Closed during the pause: no further reload.
            calls = m_tools->calls(u"lpstat"_s);
        }
        // Only a pause can show that nothing starts any more.
        QTest::qWait(2 * interval);
        QCOMPARE(m_tools->calls(u"lpstat"_s).size(), calls.size());

        // Each reload lists jobs ("-o", then "-l -o" as jobs were found) and
        // queues ("-a") at the same time.
        QList<QList<FakeCupsTools::Call>> byListing(3);
        const QList<QStringList> listings {{u"-o"_s}, {u"-l"_s, u"-o"_s}, {u"-a"_s}};
        for (const FakeCupsTools::Call &call : calls)
            byListing[listings.indexOf(call.arguments)].append(call);
        QCOMPARE(byListing.at(1).size(), byListing.at(0).size());
        QCOMPARE(byListing.at(2).size(), byListing.at(0).size());
        QList<std::pair<double, double>> reloads; // start, end
        for (qsizetype i = 0; i < byListing.at(0).size(); ++i) {
            const double start = std::min(byListing.at(0).at(i).start, byListing.at(2).at(i).start);
            const double end
                = std::max({byListing.at(0).at(i).end, byListing.at(1).at(i).end, byListing.at(2).at(i).end});
            reloads.append({start, end});
        }
        QVERIFY(reloads.size() >= 3);
        // The first at once (the fake tool's own start-up aside).
        QVERIFY2(reloads.first().first - opened < 1.0, qPrintable(QString::number(reloads.first().first - opened)));
        for (qsizetype i = 1; i < reloads.size(); ++i) {
            const double pause = reloads.at(i).first - reloads.at(i - 1).second;
            QVERIFY2(pause >= interval / 1000.0 - 0.01, qPrintable(QString::number(pause)));
            QVERIFY2(pause < interval / 1000.0 + 1.0, qPrintable(QString::number(pause)));
        }
    }

    // At the window's smallest size, however long the message: the title,
    // the texts around the message and the buttons stay inside the window,
    // and the message scrolls. A tool error of several lines hangs indented
    // under its job.
    void tallDialogsStayInsideTheWindow_data()
    {
        TestTables::addColumns<int, bool>("jobs", "failing");
        QTest::newRow("confirmation of 2 jobs") << 2 << false;
        QTest::newRow("confirmation of 80 jobs") << 80 << false;
        QTest::newRow("failures with many-line errors") << 3 << true;
    }

    void tallDialogsStayInsideTheWindow()
    {
        QFETCH(int, jobs);
        QFETCH(bool, failing);
        m_tools = std::make_unique<FakeCupsTools>();
        QStringList lines;
        for (int i = 1; i <= jobs; ++i)
            lines.append(u"Laser-%1 anna 1024"_s.arg(i));
        m_tools->setJobLines(lines);
        m_tools->setPrinterNames({u"Archiv"_s, u"Laser"_s});
        QStringList errorLines;
        // Shown as one paragraph per job, long enough to need scrolling.
        for (int line = 1; line <= 40; ++line)
            errorLines.append(u"Zeile %1 der Fehlermeldung"_s.arg(line));
        if (failing) {
            for (int i = 1; i <= jobs; ++i)
                m_tools->failMove(u"Laser-%1"_s.arg(i), errorLines.join(u'\n'));
        }
        ContentViewHarness ui(m_tools->lpstatPath(), ContentViewHarness::quietInterval, QSize(980, 650));
        QVERIFY(ui.waitUntilIdle());
        for (int row = 0; row < jobs; ++row)
            ui.model().selection()->toggleJobSelectionAt(row);
        ui.click(ui.printerRow(0));
        requestMove(ui);
        QObject *popup = ui.part("confirmationDialog");
        QStringList shown {u"Ausgewählte Aufträge verschieben?"_s, u"%1 Druckaufträge werden verschoben:"_s.arg(jobs),
                           u"Nach: Archiv"_s, u"Papierformat und Treiberoptionen können am Zieldrucker abweichen."_s};
        QStringList buttons {u"confirmButton"_s, u"keepButton"_s};
        if (failing) {
            ui.click(button(popup, "confirmButton"));
            QVERIFY(ui.waitUntilIdle());
            popup = ui.part("noticeAlert");
            QTRY_VERIFY(isOpen(popup));
            shown = QStringList {u"Nicht alle Aufträge konnten verschoben werden"_s};
            buttons = QStringList {u"okButton"_s};
        }
        ContentViewHarness::settle();

        const QRectF window(0, 0, ui.window().width(), ui.window().height());
        const auto sceneRect = [](const QQuickItem *item) {
            return item->mapRectToScene(QRectF(0, 0, item->width(), item->height()));
        };
        QQuickItem *popupItem = popup->property("contentItem").value<QQuickItem *>()->parentItem();
        QVERIFY(window.contains(sceneRect(popupItem)));
        QHash<QString, QQuickItem *> texts;
        QList<QQuickItem *> items {popupItem};
        while (!items.isEmpty()) {
            QQuickItem *item = items.takeFirst();
            if (!item->isVisible())
                continue;
            if (item->inherits("QQuickText"))
                texts.insert(item->property("text").toString(), item);
            items.append(item->childItems());
        }
        for (const QString &text : std::as_const(shown)) {
            QVERIFY2(texts.contains(text), qPrintable(text));
            QVERIFY2(sceneRect(popupItem).contains(sceneRect(texts.value(text))), qPrintable(text));
        }
        for (const QString &name : std::as_const(buttons))
            QVERIFY(sceneRect(popupItem).contains(sceneRect(button(popup, qPrintable(name)))));
        auto *area = popup->property("messageArea").value<QQuickItem *>();
        QCOMPARE(area->property("contentHeight").toReal() > area->height(), jobs > 2);

        if (failing) {
            // A tool error of several lines stays in its job's bullet as one
            // paragraph: it adds no line of its own, and its wrapped lines
            // start where the text after "• " starts.
            QQuickItem *opening = nullptr;
            for (auto it = texts.cbegin(); it != texts.cend(); ++it) {
                if (it.key().startsWith(u"Laser-1: "_s))
                    opening = it.value();
            }
            QVERIFY(opening && texts.contains(u"\u2022"_s));
            QVERIFY(opening->property("text").toString().contains(
                u"Zeile 1 der Fehlermeldung Zeile 2 der Fehlermeldung"_s));
            QVERIFY(!texts.contains(u"Zeile 2 der Fehlermeldung"_s));
            QVERIFY(opening->property("lineCount").toInt() > 1);
            QVERIFY(sceneRect(texts.value(u"\u2022"_s)).x() < sceneRect(opening).x());
        }
        ui.press(Qt::Key_Escape);
        QTRY_VERIFY(!isOpen(popup));
    }

private:
    void useFakeTools()
    {
        m_tools = std::make_unique<FakeCupsTools>();
        m_tools->setJobLines(jobLines);
        m_tools->setPrinterNames(printerNames);
    }

    // The first two jobs (both in Laser) and the destination Archiv, by clicking.
    static void chooseTwoLaserJobsForArchiv(ContentViewHarness &ui)
    {
        ui.click(ui.jobRow(0));
        ui.click(ui.jobRow(1));
        ui.click(ui.printerRow(0));
        QCOMPARE(ui.model().selection()->selectedDestinationID().value_or(QString()), u"Archiv"_s);
        QVERIFY(ui.model().move()->canRequest());
    }

    // Clicks "Auswahl verschieben": the confirmation comes up.
    static void requestMove(ContentViewHarness &ui)
    {
        QObject *dialog = ui.part("confirmationDialog");
        QVERIFY(!isOpen(dialog));
        ui.click(ContentViewHarness::childItem(ui.part("actionBar"), "moveButton"));
        QTRY_VERIFY(isOpen(dialog));
    }

    static void askToMoveTwoLaserJobsToArchiv(ContentViewHarness &ui)
    {
        chooseTwoLaserJobsForArchiv(ui);
        requestMove(ui);
    }

    std::unique_ptr<FakeCupsTools> m_tools;
};

QTEST_MAIN(DialogsTest)
#include "tst_dialogs.moc"
