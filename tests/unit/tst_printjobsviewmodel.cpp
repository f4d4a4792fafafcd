// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
// The window model: selection rules, notices, and the reload and move
// workflows against fake lpstat and lpmove scripts that log every call.

#include <DisplayText.h>
#include <ExitPolicy.h>
#include <FakeCupsTools.h>
#include <JobActionRequest.h>
#include <JobActionVerification.h>
#include <JobActions.h>
#include <JobListModel.h>
#include <ModelSignals.h>
#include <ModelTexts.h>
#include <PrintJobsViewModel.h>
#include <PrintJobsViewModelTestAccess.h>
#include <PrinterListModel.h>
#include <SelectionSteps.h>
#include <TestFutures.h>
#include <TestTables.h>

#include <EnvironmentOverride.h>
#include <QAbstractItemModelTester>
#include <QSignalSpy>

#include <QTest>
#include <QThreadPool>

#include <functional>
#include <memory>

Q_DECLARE_METATYPE(WorkflowError)
Q_DECLARE_METATYPE(JobAction)

using namespace Qt::StringLiterals;
using namespace TestRecords;
using SelectionSteps::baseJobs;
using SelectionSteps::basePrinters;
using SelectionSteps::sorted;
using TestFutures::finishes;

namespace {

QStringList arguments(const QList<FakeCupsTools::Call> &calls)
{
    QStringList result;
    for (const FakeCupsTools::Call &call : calls)
        result.append(call.arguments.join(u' '));
    return result;
}

void apply(PrintJobsViewModel &model, const QStringList &steps)
{
    SelectionSteps::apply(
        model.selection()->jobs(), steps, [&model](const PrintJob &job) { model.selection()->toggleJobSelection(job); },
        [&model](const QString &name) { model.selection()->setSelectedDestinationID(name); });
}

QString lpmoveFailure(const QString &identifier)
{
    return u"lpmove: Job #"_s + identifier.section(u'-', -1) + u" does not exist.\n"_s;
}

// Runs a first reload against the fake tools with the given listing.
void listOnFakes(FakeCupsTools &tools, const QStringList &jobIdentifiers, const QStringList &printerNames)
{
    QStringList lines;
    for (const QString &identifier : jobIdentifiers)
        lines.append(identifier + u" anna 1024 Mon 01 Jan 2024 12:00:00 CET"_s);
    tools.setJobLines(lines);
    tools.setPrinterNames(printerNames);
}

// Fake tools that list the base jobs and queues, and a model on them.
struct BaseWindow
{
    BaseWindow() { listOnFakes(tools, baseJobs, basePrinters); }

    FakeCupsTools tools;
    PrintJobsViewModel model {CUPSService(tools.lpstatPath())};
};

} // namespace

class PrintJobsViewModelTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { CUPSService::threadPool()->setMaxThreadCount(QThread::idealThreadCount()); }

    void startsEmptyAndReady()
    {
        const PrintJobsViewModel model;
        QVERIFY(model.selection()->jobs().isEmpty());
        QVERIFY(model.selection()->printers().isEmpty());
        QVERIFY(model.selection()->selectedJobIDs().isEmpty());
        QVERIFY(!model.selection()->selectedDestinationID());
        QVERIFY(!model.reload()->isLoading());
        QVERIFY(!model.work()->isMoving());
        QVERIFY(!model.move()->question()->isOpen());
        QVERIFY(!model.notices()->notice());
        QVERIFY(!model.reload()->lpmovePath());
        QCOMPARE(model.notices()->statusText(), u"Bereit zum Laden der CUPS-Aufträge."_s);
        QVERIFY(!model.move()->canRequest());
        QCOMPARE(model.move()->confirmation().text(), QString());
    }

    void onlyAMoveBlocksInput_data()
    {
        QTest::addColumn<bool>("loading");
        QTest::addColumn<bool>("moving");
        QTest::addColumn<bool>("blocked");
        QTest::newRow("loading: clicks count") << true << false << false;
        QTest::newRow("moving") << false << true << true;
        QTest::newRow("a move waiting for a reload") << true << true << true;
    }

    void onlyAMoveBlocksInput()
    {
        QFETCH(bool, loading);
        QFETCH(bool, moving);
        QFETCH(bool, blocked);
        PrintJobsViewModel model;
        PrintJobsViewModelTestAccess::load(model, jobs(baseJobs), printers(basePrinters));
        apply(model, {u"toggle A-1"_s, u"dest C"_s});
        QVERIFY(model.move()->canRequest());
        PrintJobsViewModelTestAccess::setLoading(model, loading);
        if (moving)
            PrintJobsViewModelTestAccess::startHeldWork(model, 1);
        QCOMPARE(model.move()->canRequest(), !blocked);
        model.move()->requestConfirmation();
        QCOMPARE(model.move()->question()->isOpen(), !blocked);
        model.move()->question()->dismiss();
        // Rows are disabled during a move; a late click changes nothing either.
        model.selection()->toggleJobSelectionAt(2);
        const QString firstDestination = model.selection()->destinationModel()->printerAt(0).name;
        model.selection()->chooseDestinationAt(0);
        QCOMPARE(sorted(model.selection()->selectedJobIDs()),
                 (blocked ? QStringList {u"A-1"_s} : QStringList {u"A-1"_s, u"B-3"_s}));
        QCOMPARE(model.selection()->selectedDestinationID(), blocked ? u"C"_s : firstDestination);
    }

    void actionsFollowTheSelectedJobsStates_data()
    {
        QTest::addColumn<QStringList>("selection");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("running"); // "", "loading", "moving", "acting"
        QTest::addColumn<bool>("hold");
        QTest::addColumn<bool>("release");
        QTest::addColumn<bool>("cancel");
        // A-1 waits, A-2 is held, B-3's state is unknown, C-4 is being printed.
        const QStringList heldAndWaiting {u"A-1"_s, u"A-2"_s};
        QTest::newRow("nothing selected") << QStringList() << QString() << QString() << false << false << false;
        QTest::newRow("a waiting job") << QStringList {u"A-1"_s} << QString() << QString() << true << false << true;
        QTest::newRow("a held job") << QStringList {u"A-2"_s} << QString() << QString() << false << true << true;
        QTest::newRow("held and waiting") << heldAndWaiting << QString() << QString() << true << true << true;
        QTest::newRow("unknown state counts as waiting")
            << QStringList {u"B-3"_s} << QString() << QString() << true << false << true;
        QTest::newRow("a job being printed only cancels")
            << QStringList {u"C-4"_s} << QString() << QString() << false << false << true;
        QTest::newRow("a held job the filter hides")
            << QStringList {u"A-2"_s} << u"C"_s << QString() << false << true << true;
        QTest::newRow("during a reload: they follow it")
            << heldAndWaiting << QString() << u"loading"_s << true << true << true;
        QTest::newRow("during a move") << heldAndWaiting << QString() << u"moving"_s << false << false << false;
        QTest::newRow("during another action") << heldAndWaiting << QString() << u"acting"_s << false << false << false;
    }

    void actionsFollowTheSelectedJobsStates()
    {
        QFETCH(QStringList, selection);
        QFETCH(QString, filter);
        QFETCH(QString, running);
        QFETCH(bool, hold);
        QFETCH(bool, release);
        QFETCH(bool, cancel);
        QList<PrintJob> listed = jobs(baseJobs);
        listed[0].state = PrintJob::State::Pending;
        listed[1].state = PrintJob::State::Held;
        listed[3].state = PrintJob::State::Processing;
        PrintJobsViewModel model;
        using Access = PrintJobsViewModelTestAccess;
        Access::load(model, listed, printers(basePrinters));
        apply(model, SelectionSteps::toggleThenChoose(selection, u"D"_s));
        model.selection()->setJobFilterText(filter);
        Access::setLoading(model, running == u"loading"_s);
        if (running == u"moving"_s)
            Access::startHeldWork(model, 1);
        if (running == u"acting"_s)
            Access::startHeldWork(model, 1, JobAction::Release);

        QCOMPARE(model.actions()->canHold(), hold);
        QCOMPARE(model.actions()->canRelease(), release);
        QCOMPARE(model.actions()->canCancel(), cancel);
        // Refused where it cannot act; a late click starts nothing either.
        if (!hold)
            QVERIFY(model.actions()->holdSelectedJobs().isFinished());
        if (!release)
            QVERIFY(model.actions()->releaseSelectedJobs().isFinished());
        QCOMPARE(model.work()->isActing(), running == u"acting"_s);
        model.actions()->requestCancelConfirmation();
        QCOMPARE(model.actions()->cancelQuestion()->isOpen(), cancel);
        // Every selected job, hidden ones included, with its queue.
        QStringList lines;
        for (const QString &identifier : std::as_const(selection))
            lines.append(u"• "_s + identifier + u"  ("_s + identifier.section(u'-', 0, 0) + u')');
        QCOMPARE(model.actions()->cancelConfirmation().lines, cancel ? lines : QStringList());
        // While it runs, the action bar counts it as a move.
        if (running == u"acting"_s)
            QCOMPARE(model.work()->progress().text, u"Gebe 0 von 1 frei …"_s);
    }

    void actionIsVerifiedByTheClosingReload_data()
    {
        QTest::addColumn<JobAction>("action");
        QTest::addColumn<QString>("answer"); // "done", "refused", "timed out"
        QTest::addColumn<QString>("after"); // "held", "waiting", "unknown" (no state given), "gone"
        QTest::addColumn<QString>("reason"); // why the job failed; empty when it counts as done

        // The scheduler's own refusal, as a refused move reads.
        const QString refusal
            = WorkflowError(CUPSServiceError::commandFailed(u"lp"_s, 1, u"Forbidden"_s)).description();
        const QString stopped = u"IPP hat nach 0,3 Sekunden nicht geendet und wurde abgebrochen."_s;
        QTest::newRow("held as reported") << JobAction::Hold << u"done"_s << u"held"_s << QString();
        QTest::newRow("reported held, still waiting")
            << JobAction::Hold << u"done"_s << u"waiting"_s
            << u"CUPS meldete Erfolg, aber der Auftrag ist nicht angehalten."_s;
        QTest::newRow("reported held, gone") << JobAction::Hold << u"done"_s << u"gone"_s
                                             << u"CUPS meldete Erfolg, aber der Auftrag wartet nicht mehr; er wurde "
                                                u"wohl schon gedruckt."_s;
        QTest::newRow("no state to check: as reported") << JobAction::Hold << u"done"_s << u"unknown"_s << QString();
        QTest::newRow("hold refused") << JobAction::Hold << u"refused"_s << u"waiting"_s << refusal;
        QTest::newRow("hold stopped at its limit, but held")
            << JobAction::Hold << u"timed out"_s << u"held"_s << QString();
        QTest::newRow("reported released, still held")
            << JobAction::Release << u"done"_s << u"held"_s
            << u"CUPS meldete Erfolg, aber der Auftrag ist weiterhin angehalten."_s;
        QTest::newRow("released and printed meanwhile") << JobAction::Release << u"done"_s << u"gone"_s << QString();
        // What the scheduler refused stays refused; that the job is gone only
        // tells that it was most likely printed.
        const QString printed = u" Der Auftrag wartet nicht mehr; er wurde wohl schon gedruckt."_s;
        QTest::newRow("release refused, printed meanwhile")
            << JobAction::Release << u"refused"_s << u"gone"_s << refusal + printed;
        QTest::newRow("cancel refused, printed meanwhile")
            << JobAction::Cancel << u"refused"_s << u"gone"_s << refusal + printed;
        QTest::newRow("cancel stopped at its limit, still listed")
            << JobAction::Cancel << u"timed out"_s << u"waiting"_s << stopped;
        QTest::newRow("release stopped at its limit, still held")
            << JobAction::Release << u"timed out"_s << u"held"_s << stopped;
        QTest::newRow("reported cancelled, still listed")
            << JobAction::Cancel << u"done"_s << u"held"_s
            << u"CUPS meldete Erfolg, aber der Auftrag wartet weiterhin in „A“."_s;
        QTest::newRow("cancel stopped at its limit, but gone")
            << JobAction::Cancel << u"timed out"_s << u"gone"_s << QString();
        QTest::newRow("cancel refused") << JobAction::Cancel << u"refused"_s << u"waiting"_s << refusal;
    }

    void actionIsVerifiedByTheClosingReload()
    {
        QFETCH(JobAction, action);
        QFETCH(QString, answer);
        QFETCH(QString, after);
        QFETCH(QString, reason);
        // A-1 is the job acted on; A-2, listed after it, is done as reported.
        const QList<PrintJob> handedOver = jobs({u"A-1"_s, u"A-2"_s});
        JobActionOutcome outcome {action, 2, {handedOver[1]}, {}, {}, {}};
        if (answer == u"done"_s)
            outcome.done.prepend(handedOver[0]);
        else if (answer == u"refused"_s)
            outcome.failures.append(
                {handedOver[0], WorkflowError(CUPSServiceError::commandFailed(u"lp"_s, 1, u"Forbidden"_s))});
        else
            outcome.failures.append(
                {handedOver[0], WorkflowError(CUPSServiceError::timedOut(u"IPP"_s, std::chrono::milliseconds(300)))});
        QList<PrintJob> listedAfter;
        if (after != u"gone"_s) {
            // Listed again under another spelling of its queue: the number finds it.
            listedAfter.append(jobIn(u"a-1"_s, u"A"_s));
            if (after != u"unknown"_s)
                listedAfter[0].state = after == u"held"_s ? PrintJob::State::Held : PrintJob::State::Pending;
        }
        PrintJob other = handedOver[1];
        other.state = action == JobAction::Hold ? PrintJob::State::Held : PrintJob::State::Pending;
        if (action != JobAction::Cancel)
            listedAfter.append(other);

        const JobActionOutcome verified = JobActionVerification::verified(outcome, handedOver, listedAfter);
        QCOMPARE(verified.selectedCount, 2);
        if (reason.isEmpty()) {
            QCOMPARE(identifiers(verified.done), (QStringList {u"A-1"_s, u"A-2"_s}));
            QVERIFY(verified.failures.isEmpty());
            return;
        }
        QCOMPARE(identifiers(verified.done), QStringList {u"A-2"_s});
        QCOMPARE(verified.failures.size(), 1);
        QCOMPARE(verified.failures[0].second.description(), reason);
        const QString what = action == JobAction::Hold ? u"angehalten"_s
            : action == JobAction::Release             ? u"freigegeben"_s
                                                       : u"abgebrochen"_s;
        const AppNotice notice = ModelTexts::actionNotice(verified);
        QCOMPARE(notice.title, u"Nicht alle Aufträge konnten "_s + what + u" werden"_s);
        QCOMPARE(notice.message,
                 u"1 Auftrag bzw. Aufträge wurden "_s + what + u".\n\nNicht "_s + what + u":\n• A-1: "_s + reason
                     + u"\n\nDie Listen werden aktualisiert."_s);
        QCOMPARE(ModelTexts::actionStatus(verified), u"1 von 2 Auftrag bzw. Aufträgen wurden "_s + what + u'.');
    }

    // Whatever a write changes, the view hears of it through that property's
    // signal, and a signal goes out only for a property that changed (the
    // confirmation, composed on demand, goes out when what it is made of did).
    void everyPropertyThatChangesAnnouncesIt()
    {
        PrintJobsViewModel model;
        using Access = PrintJobsViewModelTestAccess;
        const QList<std::pair<QString, std::function<void()>>> writes {
            {u"load"_s,
             [&] {
                 Access::load(model, jobs(baseJobs), printers(basePrinters));
             }},
            {u"toggle"_s,
             [&] {
                 model.selection()->toggleJobSelection(job(u"A-1"_s));
             }},
            {u"destination"_s,
             [&] {
                 model.selection()->setSelectedDestinationID(u"C"_s);
             }},
            {u"toggle dropping it"_s,
             [&] {
                 model.selection()->toggleJobSelection(job(u"C-4"_s));
             }},
            {u"destination again"_s,
             [&] {
                 model.selection()->chooseDestinationAt(0);
             }},
            {u"filter"_s,
             [&] {
                 model.selection()->setJobFilterText(u"A"_s);
             }},
            {u"source queue"_s,
             [&] {
                 model.selection()->chooseSourceQueueAt(1);
             }},
            {u"select shown"_s,
             [&] {
                 model.selection()->selectShownJobs();
             }},
            {u"confirmation"_s,
             [&] {
                 model.move()->requestConfirmation();
             }},
            {u"cancel confirmation over it, refused"_s,
             [&] {
                 model.actions()->requestCancelConfirmation();
             }},
            {u"confirmation closed"_s,
             [&] {
                 model.move()->question()->dismiss();
             }},
            {u"cancel confirmation"_s,
             [&] {
                 model.actions()->requestCancelConfirmation();
             }},
            {u"cancel confirmation closed"_s,
             [&] {
                 model.actions()->cancelQuestion()->dismiss();
             }},
            {u"acting"_s,
             [&] {
                 Access::startHeldWork(model, 2, JobAction::Hold);
                 Access::countOff(model, 1);
             }},
            {u"loading"_s,
             [&] {
                 Access::setLoading(model, true);
             }},
            {u"acted"_s,
             [&] {
                 // Its closing reload follows the one under way and reports.
                 Access::endHeldWork(model);
                 QTRY_VERIFY(!model.work()->isWorking());
             }},
            {u"moving"_s,
             [&] {
                 Access::startHeldWork(model, 3);
             }},
            {u"progress"_s,
             [&] {
                 Access::countOff(model, 1);
             }},
            {u"notice"_s,
             [&] {
                 model.notices()->present(WorkflowError::unexpected(), u"T"_s);
             }},
            {u"dismissed"_s,
             [&] {
                 model.notices()->dismiss();
             }},
            {u"fewer lists"_s,
             [&] {
                 Access::load(model, jobs({u"A-2"_s}), printers({u"A"_s, u"D"_s}));
             }},
            {u"cleared"_s,
             [&] {
                 model.selection()->clearJobSelection();
             }},
        };
        for (const auto &[name, write] : writes) {
            const std::map<QString, QVariant> before = ModelSignals::values(model);
            const ModelSignals::AnySpy spies(model);
            write();
            const std::map<QString, QVariant> after = ModelSignals::values(model);
            QSet<QString> changed;
            for (const ModelSignals::Watched &property : ModelSignals::watched(model)) {
                if (before.at(property.property) != after.at(property.property))
                    changed.insert(property.signal);
            }
            const QSet<QString> emitted = spies.emittedSignals();
            QVERIFY2((changed - emitted).isEmpty(),
                     qPrintable(name + u": "_s + QStringList((changed - emitted).values()).join(u' ')));
            // Ending work takes its closing reload: on the way a value may
            // change and change back.
            if (name != u"acted"_s)
                QVERIFY2((emitted - changed).isEmpty(),
                         qPrintable(name + u": "_s + QStringList((emitted - changed).values()).join(u' ')));
        }
    }

    void everyChangeSignalsOnceAfterStoring()
    {
        PrintJobsViewModel model;
        PrintJobsViewModelTestAccess::load(model, jobs(baseJobs), printers(basePrinters));
        apply(model, {u"dest C"_s});

        QStringList seen;
        connect(model.selection(), &SelectionControl::selectedDestinationChanged, this,
                [&] { seen.append(model.selection()->selectedDestinationID().value_or(u"-"_s)); });
        QSignalSpy selectedCounts(model.selection(), &SelectionControl::selectedJobCountChanged);
        ModelSignals::AnySpy any(model);
        // Equal values announce nothing.
        model.selection()->setSelectedDestinationID(u"C"_s);
        model.move()->question()->dismiss();
        model.notices()->dismiss(); // none already
        QCOMPARE(any.count(), 0);
        model.selection()->toggleJobSelection(job(u"A-1"_s));
        model.selection()->toggleJobSelection(job(u"C-4"_s)); // drops the destination: two writes
        model.selection()->setSelectedDestinationID(u"D"_s);
        QCOMPARE(seen, (QStringList {u"-"_s, u"D"_s}));
        QCOMPARE(selectedCounts.count(), 2);

        // Refused operations write nothing.
        model.selection()->setSelectedDestinationID(u"Z"_s);
        any.clear();
        model.move()->requestConfirmation();
        QVERIFY(model.move()->moveSelectedJobs().isFinished());
        QCOMPARE(any.count(), 0);
    }

    void confirmationMessage_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("message");
        // CUPS_SERVER as the window opens; this machine's scheduler when empty.
        QTest::addColumn<QByteArray>("server");

        const QString tail = u"\n\nPapierformat und Treiberoptionen können am Zieldrucker abweichen."_s;
        QTest::newRow("no job") << QStringList {u"dest C"_s} << QString() << QByteArray();
        QTest::newRow("no destination") << QStringList {u"toggle A-1"_s} << QString() << QByteArray();
        QTest::newRow("one job keeps the plural verb")
            << QStringList {u"toggle A-1"_s, u"dest C"_s}
            << u"1 Druckauftrag werden verschoben:\n\n• A-1  (A)\n\nNach: C"_s + tail << QByteArray();
        QTest::newRow("jobs in listing order")
            << QStringList {u"toggle B-3"_s, u"toggle A-2"_s, u"toggle A-1"_s, u"dest D"_s}
            << u"3 Druckaufträge werden verschoben:\n\n• A-1  (A)\n• A-2  (A)\n• B-3  (B)\n\nNach: D"_s + tail
            << QByteArray();
        QTest::newRow("another machine's scheduler is named under the destination")
            << QStringList {u"toggle A-1"_s, u"dest C"_s}
            << u"1 Druckauftrag werden verschoben:\n\n• A-1  (A)\n\nNach: C\n\nServer: druck01.example:631"_s + tail
            << "druck01.example:631"_ba;
        QTest::newRow("this machine's scheduler is not named")
            << QStringList {u"toggle A-1"_s, u"dest C"_s}
            << u"1 Druckauftrag werden verschoben:\n\n• A-1  (A)\n\nNach: C"_s + tail << "localhost:631"_ba;
    }

    void confirmationMessage()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, message);
        QFETCH(QByteArray, server);
        EnvironmentOverride environment;
        if (!server.isEmpty())
            environment.set("CUPS_SERVER", server);
        PrintJobsViewModel model;
        QCOMPARE(model.schedulerText().isEmpty(), !server.startsWith("druck01"));
        PrintJobsViewModelTestAccess::load(model, jobs(baseJobs), printers(basePrinters));
        apply(model, steps);
        QCOMPARE(model.move()->confirmation().text(), message);
        // The parts a dialog lays out itself add up to the same text.
        const QString parts = message.isEmpty()
            ? QString()
            : model.move()->confirmation().headline + u"\n\n"_s + model.move()->confirmation().lines.join(u'\n')
                + u"\n\n"_s + model.move()->confirmation().destinationText + u"\n\n"_s
                + (model.schedulerText().isEmpty() ? QString() : model.schedulerText() + u"\n\n"_s)
                + model.move()->confirmation().warning;
        QCOMPARE(model.move()->confirmation().schedulerText, model.schedulerText());
        QCOMPARE(parts, message);
        QCOMPARE(model.move()->confirmation().headline.isEmpty(), message.isEmpty());
        QCOMPARE(model.move()->confirmation().warning.isEmpty(), message.isEmpty());
    }

    // Texts from other users or a remote scheduler, each used as a queue
    // name, an owner and a title: it may neither add a line (a forged bullet
    // in the confirmation), nor turn its neighbours round, nor hide what it
    // is; a right-to-left name still reads right to left, isolated.
    void outsideTextsKeepToTheirFields_data()
    {
        TestTables::addColumns<QString, QString>("listed", "shown");
        const QString fsi = u"\u2068"_s;
        const QString pdi = u"\u2069"_s;
        QTest::newRow("ASCII as it is") << u"Laser 2"_s << u"Laser 2"_s;
        QTest::newRow("left-to-right beyond ASCII as it is") << u"B\u00fcro \U0001F5A8"_s << u"B\u00fcro \U0001F5A8"_s;
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("every line break one space, CR LF one break")
            << u"a\nb\r\nc\rd\u2028e\u2029f\u0085g\vh\fi\tj"_s << u"a b c d e f g h i j"_s;
        QTest::newRow("forged bullet line") << u"Laser\n\u2022 Chef-1  (Chef)"_s << u"Laser \u2022 Chef-1  (Chef)"_s;
        QTest::newRow("C0, DEL and C1 controls visible")
            << u"a\u0000b\u001Bc\u007Fd\u0090e\u009Bf"_s << u"a\uFFFDb\uFFFDc\uFFFDd\uFFFDe\uFFFDf"_s;
        QTest::newRow("override that turns a name round") << u"\u202Eecila"_s << u"\uFFFDecila"_s;
        QTest::newRow("every embedding, override, isolate and mark")
            << u"\u202A\u202B\u202C\u202D\u2066\u2067\u2068\u2069\u200E\u200F\u061C"_s << QString(11, u'\uFFFD');
        QTest::newRow("right-to-left name isolated")
            << u"\u05D3\u05E4\u05D5\u05E1 3"_s << fsi + u"\u05D3\u05E4\u05D5\u05E1 3"_s + pdi;
        QTest::newRow("Arabic digits isolated") << u"\u0661\u0662"_s << fsi + u"\u0661\u0662"_s + pdi;
        QTest::newRow("right-to-left beyond the BMP isolated") << u"\U0001E900"_s << fsi + u"\U0001E900"_s + pdi;
        QTest::newRow("right-to-left name with its own controls")
            << u"\u202B\u05D0\n\u2069"_s << fsi + u"\uFFFD\u05D0 \uFFFD"_s + pdi;
    }

    void outsideTextsKeepToTheirFields()
    {
        QFETCH(QString, listed);
        QFETCH(QString, shown);
        QCOMPARE(DisplayText::field(listed), shown);

        const PrintJob job = jobIn(u"Q-7"_s, listed, listed, listed);
        const QString identifier = listed.isEmpty() ? u"Q-7"_s : shown + u"-7"_s;
        QCOMPARE(ModelTexts::confirmationLines({job}),
                 QStringList {u"\u2022 "_s + identifier + u"  ("_s + shown + u')'});
        QCOMPARE(ModelTexts::sourceQueueChoice(listed, 2), shown + u" (2)"_s);
        if (!listed.isEmpty()) {
            QCOMPARE(ModelTexts::jobFacts(job, {}), u"Von "_s + shown);
            QCOMPARE(ModelTexts::jobTitle(job), shown.trimmed().isEmpty() ? ModelTexts::untitledJob() : shown);
        }
        // A quoted tool error keeps to its bullet in the move's report.
        const CUPSServiceError refused = CUPSServiceError::commandFailed(u"lpmove"_s, 1, listed);
        MoveOutcome outcome = MoveOutcome::allFailed({job}, Printer {listed}, WorkflowError(refused));
        const QString report = ModelTexts::moveNotice(outcome).message;
        QCOMPARE(report.count(u'\n'), 5);
        // A refused action names the job by its queue and its number, each a
        // field of its own: a right-to-left name cannot pull "-7" round.
        const CUPSServiceError actionRefused = JobActionRequest::aboutJob(
            CUPSServiceError::requestFailed(JobActionRequest::operation(job, JobAction::Hold), u"Nein"_s, false), job);
        QCOMPARE(WorkflowError(actionRefused).description(),
                 u"Das Anhalten des Auftrags "_s + identifier + u" ist fehlgeschlagen. Nein"_s);
        // A title of any length is cut in the question, as a state message is.
        PrintJob titled = job;
        titled.title = listed + QString(32'000, u'x');
        const QString line = ModelTexts::cancelConfirmationLines({titled}).constFirst();
        QVERIFY2(line.count(u'x') <= 160 && line.contains(u"x\u2026"_s), qPrintable(line));
    }

    // A hold or release names every selected job it left alone, and why.
    void actionReportNamesTheJobsItLeftAlone_data()
    {
        TestTables::addColumns<JobAction, QStringList, QStringList, QString, QString>(
            "action", "printing", "alreadyDone", "message", "status");
        const QString tail = u"\n\nDie Listen werden aktualisiert."_s;
        QTest::newRow("hold beside a job being printed")
            << JobAction::Hold << QStringList {u"C-4"_s} << QStringList()
            << u"1 von 2 ausgewählten Aufträgen wurden angehalten.\n\nC-4 wird gerade gedruckt und wurde nicht "
               u"angehalten."_s
                + tail
            << u"1 von 2 Auftrag bzw. Aufträgen wurden angehalten."_s;
        QTest::newRow("hold beside held jobs, named up to three")
            << JobAction::Hold << QStringList() << QStringList {u"B-1"_s, u"B-2"_s, u"B-3"_s, u"B-4"_s}
            << u"1 von 5 ausgewählten Aufträgen wurden angehalten.\n\nB-1, B-2, B-3 und 1 weitere sind bereits "
               u"angehalten."_s
                + tail
            << u"1 von 5 Auftrag bzw. Aufträgen wurden angehalten."_s;
        QTest::newRow("release beside one that is not held")
            << JobAction::Release << QStringList() << QStringList {u"B-1"_s}
            << u"1 von 2 ausgewählten Aufträgen wurden freigegeben.\n\nB-1 ist nicht angehalten."_s + tail
            << u"1 von 2 Auftrag bzw. Aufträgen wurden freigegeben."_s;
    }

    void actionReportNamesTheJobsItLeftAlone()
    {
        QFETCH(JobAction, action);
        QFETCH(QStringList, printing);
        QFETCH(QStringList, alreadyDone);
        QList<PrintJob> selected = jobs({u"A-1"_s});
        for (PrintJob job : jobs(printing)) {
            job.state = PrintJob::State::Processing;
            selected.append(job);
        }
        for (PrintJob job : jobs(alreadyDone)) {
            job.state = action == JobAction::Hold ? PrintJob::State::Held : PrintJob::State::Pending;
            selected.append(job);
        }
        selected[0].state = action == JobAction::Hold ? PrintJob::State::Pending : PrintJob::State::Held;
        QCOMPARE(identifiers(JobActions::applicable(action, selected)), QStringList {u"A-1"_s});
        // The scheduler takes the number alone: a broken listing's A-5 and B-5
        // are one job, asked about once.
        QCOMPARE(identifiers(JobActions::applicable(JobAction::Cancel, jobs({u"A-5"_s, u"B-5"_s, u"A-6"_s}))),
                 (QStringList {u"A-5"_s, u"A-6"_s}));
        const JobActionOutcome outcome {action,
                                        selected.size(),
                                        {selected[0]},
                                        {},
                                        JobActions::beingPrinted(action, selected),
                                        JobActions::alreadyDone(action, selected)};
        QTEST(ModelTexts::actionNotice(outcome).message, "message");
        QTEST(ModelTexts::actionStatus(outcome), "status");
    }

    // What the scheduler told about a job and its destination, as the rows and
    // the confirmation show it; nothing changes where it told nothing.
    void schedulerStateTexts_data()
    {
        using State = PrintJob::State;
        TestTables::addColumns<std::optional<State>, QStringList, Printer, QString, QString, QString, QStringList>(
            "state", "reasons", "destination", "jobText", "accessibleTail", "queueText", "warnings");
        const QString stopped = u"„C“ ist gestoppt – Papierstau. CUPS verschiebt die Aufträge trotzdem dorthin; sie "
                                u"warten dort, bis die Warteschlange wieder gestartet wird."_s;
        const QString rejecting = u"„C“ nimmt keine Aufträge an. CUPS verschiebt die Aufträge trotzdem dorthin."_s;
        const QString printing = u"A-1 wird gerade gedruckt. CUPS beginnt ihn am Ziel von vorn; ein Teil kann "
                                 u"bereits gedruckt sein."_s;
        QTest::newRow("scheduler not asked") << std::optional<State>() << QStringList() << Printer {u"C"_s} << QString()
                                             << u"Quelle: A"_s << QString() << QStringList();
        QTest::newRow("held until further notice")
            << std::optional(State::Held) << QStringList {u"job-hold-until-specified"_s} << Printer {u"C"_s}
            << u"angehalten · bis auf Weiteres"_s << u"Status: angehalten"_s << QString() << QStringList();
        QTest::newRow("waiting into a stopped queue")
            << std::optional(State::Pending) << QStringList {u"printer-stopped"_s}
            << Printer {u"C"_s, true, true, u"Papierstau"_s} << u"wartet · Drucker gestoppt"_s << u"Status: wartet"_s
            << u"gestoppt – Papierstau"_s << QStringList {stopped};
        QTest::newRow("printing into a rejecting queue, message only restates it")
            << std::optional(State::Processing) << QStringList {u"job-printing"_s}
            << Printer {u"C"_s, false, false, u"Rejecting Jobs"_s} << u"wird gedruckt"_s << u"Status: wird gedruckt"_s
            << u"nimmt keine Aufträge an"_s << QStringList {rejecting, printing};
        // Cut short so that the confirmation's buttons stay in view, and on one line.
        const QString longReason = u"Papierstau\n\u2022 Fach 2 "_s + QString(300, u'x');
        const QString shortReason = u"Papierstau \u2022 Fach 2 "_s + QString(140, u'x') + u"\u2026"_s;
        QTest::newRow("stopped with a long message of several lines")
            << std::optional(State::Held) << QStringList() << Printer {u"C"_s, true, true, longReason}
            << u"angehalten"_s << u"Status: angehalten"_s << u"gestoppt – "_s + shortReason
            << QStringList {u"„C“ ist gestoppt – "_s + shortReason
                            + u". CUPS verschiebt die Aufträge trotzdem dorthin; sie warten dort, bis die "
                              u"Warteschlange wieder gestartet wird."_s};
        QTest::newRow("stopped job, reason nobody can read")
            << std::optional(State::Stopped) << QStringList {u"com.vendor-reason"_s} << Printer {u"C"_s}
            << u"gestoppt"_s << u"Status: gestoppt"_s << QString() << QStringList();
    }

    void schedulerStateTexts()
    {
        QFETCH(std::optional<PrintJob::State>, state);
        QFETCH(QStringList, reasons);
        QFETCH(Printer, destination);
        QFETCH(QString, jobText);
        QFETCH(QString, accessibleTail);
        QFETCH(QString, queueText);
        QFETCH(QStringList, warnings);

        PrintJob detailed = job(u"A-1"_s);
        detailed.state = state;
        detailed.stateReasons = reasons;
        PrintJobsViewModel model;
        PrintJobsViewModelTestAccess::load(model, {detailed}, {Printer {u"A"_s}, destination});
        apply(model, {u"toggle A-1"_s, u"dest C"_s});

        const QModelIndex jobRow = model.selection()->jobModel()->index(0);
        // The destination is the last queue offered.
        const QModelIndex destinationRow
            = model.selection()->destinationModel()->index(model.selection()->destinationModel()->count() - 1);
        QCOMPARE(jobRow.data(JobListModel::StateTextRole).toString(), jobText);
        QVERIFY(jobRow.data(JobListModel::AccessibleDescriptionRole).toString().endsWith(u" · "_s + accessibleTail));
        QCOMPARE(destinationRow.data(PrinterListModel::StateTextRole).toString(), queueText);
        QCOMPARE(model.move()->confirmation().stateWarnings, warnings);
        // Below the usual confirmation, never in place of it.
        QVERIFY(model.move()->confirmation().text().startsWith(ModelTexts::confirmation({detailed}, u"C"_s)));
        QVERIFY(model.move()->confirmation().text().endsWith(warnings.isEmpty() ? ModelTexts::confirmationWarning()
                                                                                : warnings.last()));
    }

    // A destination shows where it stands, what it is and how many jobs wait
    // in it; the confirmation names the place after the queue.
    void destinationsSayWhereTheyStand_data()
    {
        TestTables::addColumns<QString, QString, QString, QString>("location", "info", "facts", "destination");
        QTest::newRow("place, kind and waiting jobs")
            << u"Raum 2.14"_s << u"Farblaser"_s << u"Raum 2.14 · Farblaser · 1 wartend"_s << u"Nach: C (Raum 2.14)"_s;
        QTest::newRow("a description that only repeats the name")
            << QString() << u"c"_s << u"1 wartend"_s << u"Nach: C"_s;
        QTest::newRow("a place that tries to add a line")
            << u"Raum 2.14\n• A-2  (A)"_s << QString() << u"Raum 2.14 • A-2  (A) · 1 wartend"_s
            << u"Nach: C (Raum 2.14 • A-2  (A))"_s;
    }

    void destinationsSayWhereTheyStand()
    {
        QFETCH(QString, location);
        QFETCH(QString, info);
        Printer destination {u"C"_s};
        destination.location = location;
        destination.info = info;
        PrintJobsViewModel model;
        PrintJobsViewModelTestAccess::load(model, jobs({u"A-1"_s, u"C-4"_s}), {Printer {u"A"_s}, destination});
        apply(model, {u"toggle A-1"_s, u"dest C"_s});
        const QModelIndex row
            = model.selection()->destinationModel()->index(model.selection()->destinationModel()->count() - 1);
        QTEST(row.data(PrinterListModel::FactsRole).toString(), "facts");
        QTEST(model.move()->confirmation().destinationText, "destination");
    }

    void noticeFromError_data()
    {
        QTest::addColumn<WorkflowError>("error");
        QTest::addColumn<QString>("message");

        const CUPSServiceError missing = CUPSServiceError::lpmoveUnavailable();
        QTest::newRow("description and suggestion")
            << WorkflowError(missing) << missing.errorDescription() + u"\n\n"_s + missing.recoverySuggestion();
        QTest::newRow("foreign error: generic sentence alone")
            << WorkflowError::unexpected() << u"Der Vorgang konnte nicht abgeschlossen werden."_s;
        QTest::newRow("foreign detail stays on one line")
            << WorkflowError::unexpected(u"Zeile eins\nZeile zwei\n"_s)
            << u"Der Vorgang konnte nicht abgeschlossen werden. Zeile eins Zeile zwei"_s;
    }

    void noticeFromError()
    {
        QFETCH(WorkflowError, error);
        QFETCH(QString, message);
        PrintJobsViewModel model;
        model.notices()->present(error, u"Titel"_s);
        QVERIFY(model.notices()->notice());
        const AppNotice first = *model.notices()->notice();
        QCOMPARE(first.title, u"Titel"_s);
        QCOMPARE(first.message, message);
        QCOMPARE(model.notices()->statusText(), u"Bereit zum Laden der CUPS-Aufträge."_s);

        model.notices()->present(error, u"Titel"_s);
        QVERIFY(!first.id.isNull());
        QVERIFY(model.notices()->notice()->id != first.id);
        QCOMPARE(model.notices()->shown().idText(), model.notices()->notice()->id.toString(QUuid::WithoutBraces));
    }

    void reloadStoresListsAndStatus_data()
    {
        TestTables::addColumns<QStringList, QStringList, QString>("jobs", "printers", "status");

        QTest::newRow("no jobs") << QStringList() << QStringList {u"A"_s, u"B"_s, u"C"_s}
                                 << u"Keine wartenden Druckaufträge gefunden."_s;
        QTest::newRow("one job keeps the plural wording")
            << QStringList {u"A-1"_s} << QStringList {u"A"_s, u"B"_s, u"C"_s, u"D"_s}
            << u"1 Auftrag bzw. Aufträge und 4 Drucker geladen."_s;
        QTest::newRow("several") << QStringList {u"A-1"_s, u"A-2"_s, u"B-3"_s} << QStringList {u"A"_s, u"B"_s}
                                 << u"3 Auftrag bzw. Aufträge und 2 Drucker geladen."_s;
    }

    void reloadStoresListsAndStatus()
    {
        QFETCH(QStringList, jobs);
        QFETCH(QStringList, printers);
        QFETCH(QString, status);

        FakeCupsTools tools;
        listOnFakes(tools, jobs, printers);
        tools.setDetailedJobListing(u"A-1 anna 1024 Mon 01 Jan 2024\n\tTitle: Bericht.pdf\n"_s);
        PrintJobsViewModel model {CUPSService(tools.lpstatPath())};
        QAbstractItemModelTester jobRows(model.selection()->jobModel(),
                                         QAbstractItemModelTester::FailureReportingMode::Fatal);
        QAbstractItemModelTester printerRows(model.selection()->destinationModel(),
                                             QAbstractItemModelTester::FailureReportingMode::Fatal);

        const QFuture<void> reload = model.reload()->refresh();
        QVERIFY(model.reload()->isLoading());
        QVERIFY(finishes(reload));
        QVERIFY(!model.reload()->isLoading());
        QCOMPARE(identifiers(model.selection()->jobs()), jobs);
        QCOMPARE(names(model.selection()->printers()), printers);
        QCOMPARE(model.reload()->lpmovePath(), tools.lpmovePath());
        QCOMPARE(model.notices()->statusText(), status);
        QVERIFY(!model.notices()->notice());
        if (!jobs.isEmpty())
            QCOMPARE(model.selection()->jobs().first().title, u"Bericht.pdf"_s);
        QCOMPARE(model.selection()->jobModel()->rowCount(), jobs.size());
        QCOMPARE(model.selection()->destinationModel()->rowCount(), printers.size());
    }

    void failedReloadEmptiesTheWindow_data()
    {
        TestTables::addColumns<QString, QString, QStringList>("failure", "message", "listingsRun");

        const auto text = [](const CUPSServiceError &error) {
            return error.errorDescription() + u"\n\n"_s + error.recoverySuggestion();
        };
        QTest::newRow("lpstat not executable: no listing runs")
            << u"lpstat"_s << text(CUPSServiceError::lpstatUnavailable(u"LPSTAT"_s)) << QStringList();
        QTest::newRow("job listing fails: printer listing awaited and dropped")
            << u"-o"_s << text(CUPSServiceError::commandFailed(u"lpstat -o"_s, 1, u"lpstat: kaputt\n"_s))
            << QStringList {u"-o"_s, u"-a"_s};
        // A failed reload has nothing to add details to.
        QTest::newRow("printer listing fails")
            << u"-a"_s << text(CUPSServiceError::commandFailed(u"lpstat -a"_s, 2, u"lpstat: kaputt\n"_s))
            << QStringList {u"-o"_s, u"-a"_s};
        QTest::newRow("both fail: the job listing's error is shown")
            << u"both"_s << text(CUPSServiceError::commandFailed(u"lpstat -o"_s, 1, u"lpstat: kaputt\n"_s))
            << QStringList {u"-o"_s, u"-a"_s};
    }

    void failedReloadEmptiesTheWindow()
    {
        QFETCH(QString, failure);
        QFETCH(QString, message);
        QFETCH(QStringList, listingsRun);

        BaseWindow window;
        auto &[tools, model] = window;
        QAbstractItemModelTester jobRows(model.selection()->jobModel(),
                                         QAbstractItemModelTester::FailureReportingMode::Fatal);
        QVERIFY(finishes(model.reload()->refresh()));
        apply(model, {u"toggle A-1"_s, u"dest C"_s});
        const qsizetype callsBefore = tools.calls().size();

        message.replace(u"LPSTAT"_s, tools.lpstatPath());
        if (failure == u"lpstat"_s) {
            tools.makeLpstatUnusable();
        } else {
            // The listing that succeeds is the slow one, so a reload that did not
            // wait for it would end first.
            const int jobStatus = failure == u"-a"_s ? 0 : 1;
            if (jobStatus)
                tools.failListing(u"-o"_s, 1, u"lpstat: kaputt\n"_s);
            if (failure != u"-o"_s)
                tools.failListing(u"-a"_s, 2, u"lpstat: kaputt\n"_s);
            tools.delayListing(failure == u"-o"_s ? u"-a"_s : u"-o"_s, 0.4);
        }

        QVERIFY(finishes(model.reload()->refresh()));
        QVERIFY(model.selection()->jobs().isEmpty());
        QVERIFY(model.selection()->printers().isEmpty());
        QVERIFY(model.selection()->selectedJobIDs().isEmpty());
        QVERIFY(!model.selection()->selectedDestinationID());
        QVERIFY(!model.reload()->isLoading());
        QCOMPARE(model.selection()->jobModel()->rowCount(), 0);
        QCOMPARE(model.selection()->destinationModel()->rowCount(), 0);
        QCOMPARE(model.notices()->statusText(), u"CUPS-Daten konnten nicht geladen werden."_s);
        QVERIFY(model.notices()->notice());
        QCOMPARE(model.notices()->notice()->title, u"CUPS nicht verfügbar"_s);
        QCOMPARE(model.notices()->notice()->message, message);
        QCOMPARE(model.reload()->lpmovePath(), tools.lpmovePath()); // kept from the last good reload

        const QList<FakeCupsTools::Call> calls = tools.calls().mid(callsBefore);
        QStringList run = arguments(calls);
        run.sort();
        listingsRun.sort();
        QCOMPARE(run, listingsRun);
        for (const FakeCupsTools::Call &call : calls)
            QVERIFY2(call.end > 0, "the reload ended before one of its listings");

        // While CUPS stays away, its alert comes once; the status line stays.
        model.notices()->dismiss();
        QVERIFY(finishes(model.reload()->refresh()));
        QVERIFY(!model.notices()->notice());
        QCOMPARE(model.notices()->statusText(), u"CUPS-Daten konnten nicht geladen werden."_s);
        if (failure != u"lpstat"_s) {
            // Back once, then away again: the alert comes again.
            tools.failListing(u"-o"_s, 0, QString());
            tools.failListing(u"-a"_s, 0, QString());
            QVERIFY(finishes(model.reload()->refresh()));
            QVERIFY(!model.notices()->notice());
            tools.failListing(u"-o"_s, 1, u"lpstat: kaputt\n"_s);
            QVERIFY(finishes(model.reload()->refresh()));
            QVERIFY(model.notices()->notice());
        }
    }

    void refusedWorkflowsWriteNothing()
    {
        BaseWindow window;
        auto &[tools, model] = window;
        QVERIFY(finishes(model.reload()->refresh()));
        apply(model, {u"toggle A-1"_s, u"dest C"_s});
        model.move()->requestConfirmation();
        QVERIFY(model.move()->question()->isOpen());

        tools.delayListing(u"-o"_s, 0.3);
        const QFuture<void> reload = model.reload()->refresh();
        ModelSignals::AnySpy changes(model);
        QVERIFY(model.reload()->refresh().isFinished());
        QCOMPARE(changes.count(), 0);
        QVERIFY(model.move()->question()->isOpen());
        QVERIFY(finishes(reload));
        QCOMPARE(tools.calls(u"lpstat"_s, {u"-o"_s}).size(), 2);
        tools.delayListing(u"-o"_s, 0);

        tools.delayMoves(0.3);
        const QFuture<void> move = model.move()->moveSelectedJobs();
        QVERIFY(!model.move()->question()->isOpen());
        QVERIFY(model.work()->isMoving());
        changes.clear();
        QVERIFY(model.reload()->refresh().isFinished());
        QVERIFY(model.move()->moveSelectedJobs().isFinished());
        QCOMPARE(changes.count(), 0);
        QVERIFY(finishes(move));
        QCOMPARE(tools.calls(u"lpmove"_s).size(), 1);
    }

    // The lists show before the details come; the details reach the same rows
    // and selection, and wait while the confirmation lists what it listed.
    void detailsFollowTheListsIntoTheSameRows()
    {
        FakeCupsTools tools;
        listOnFakes(tools, baseJobs, basePrinters);
        tools.setDetailedJobListing(u"A-1\n\tTitle: Bericht.pdf\n"_s);
        tools.delayListing(u"-l -o"_s, 0.5);
        PrintJobsViewModel model {CUPSService(tools.lpstatPath())};
        const QFuture<void> reload = model.reload()->refresh();
        QTRY_VERIFY(model.selection()->jobCount() == baseJobs.size() && !model.reload()->isLoading());
        QVERIFY(!reload.isFinished());
        QVERIFY(!model.selection()->jobs().constFirst().title);
        apply(model, {u"toggle A-1"_s, u"dest C"_s});
        model.move()->requestConfirmation();

        QVERIFY(finishes(reload));
        QVERIFY(!model.selection()->jobs().constFirst().title);
        model.move()->question()->dismiss();
        QCOMPARE(model.selection()->jobs().constFirst().title, u"Bericht.pdf"_s);
        QCOMPARE(model.selection()->selectedJobIDs(), QSet {u"A-1"_s});
        QCOMPARE(model.selection()->jobModel()->rowCount(), baseJobs.size());
    }

    // A reload leaves the window to the user: clicks count at once and survive
    // it, the confirmation keeps listing what it listed, and a confirmed move
    // waits for a running reload and never gets lost.
    // Steps: "list X Y" (what the next reload finds), "slow reload" (started,
    // not awaited), "toggle X", "dest X", "confirm", "close", "move" (as the
    // confirm button), "expect X Y" (the selection now), "wait" (for all).
    void reloadLeavesTheUserInCharge_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("selected");
        QTest::addColumn<QStringList>("moved");

        QTest::newRow("clicks during a reload survive it, trimmed to what it lists")
            << QStringList {u"list A-1 B-3 C-4"_s, u"slow reload"_s, u"toggle A-1"_s, u"toggle A-2"_s, u"wait"_s}
            << QStringList {u"A-1"_s} << QStringList();
        QTest::newRow("a reload ending under the open confirmation waits for it to close")
            << QStringList {u"toggle A-1"_s, u"toggle A-2"_s, u"dest D"_s,         u"list A-1 B-3"_s, u"slow reload"_s,
                            u"confirm"_s,    u"wait"_s,       u"expect A-1 A-2"_s, u"close"_s}
            << QStringList {u"A-1"_s} << QStringList();
        QTest::newRow("confirmed during a reload: moved right after it")
            << QStringList {u"toggle A-1"_s, u"dest D"_s, u"slow reload"_s, u"confirm"_s, u"move"_s, u"wait"_s}
            << QStringList() << QStringList {u"A-1 D"_s};
        QTest::newRow("confirmed with a reload held: exactly what was listed moves") << QStringList {
            u"toggle A-1"_s, u"toggle A-2"_s, u"dest D"_s, u"list A-1 B-3 C-4"_s, u"slow reload"_s, u"confirm"_s,
            u"wait"_s,       u"move"_s,       u"wait"_s} << QStringList() << QStringList {u"A-1 D"_s, u"A-2 D"_s};
    }

    void reloadLeavesTheUserInCharge()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, selected);
        QFETCH(QStringList, moved);

        BaseWindow window;
        auto &[tools, model] = window;
        QVERIFY(finishes(model.reload()->refresh()));
        QList<QFuture<void>> running;
        for (const QString &step : std::as_const(steps)) {
            const QString argument = step.section(u' ', 1);
            if (step.startsWith(u"list "_s)) {
                listOnFakes(tools, argument.split(u' '), basePrinters);
            } else if (step == u"slow reload"_s) {
                tools.delayListing(u"-o"_s, 0.3);
                running.append(model.reload()->refresh());
                QVERIFY(model.reload()->isLoading());
            } else if (step.startsWith(u"toggle "_s) || step.startsWith(u"dest "_s)) {
                apply(model, {step});
            } else if (step == u"confirm"_s) {
                model.move()->requestConfirmation();
                QVERIFY(model.move()->question()->isOpen());
            } else if (step == u"close"_s) {
                model.move()->question()->dismiss();
            } else if (step == u"move"_s) {
                running.append(model.move()->moveSelectedJobs());
                QVERIFY(model.work()->isMoving());
                QVERIFY(!model.move()->question()->isOpen());
            } else if (step.startsWith(u"expect "_s)) {
                QCOMPARE(sorted(model.selection()->selectedJobIDs()), argument.split(u' '));
            } else if (step == u"wait"_s) {
                for (const QFuture<void> &future : std::as_const(running))
                    QVERIFY(finishes(future));
            } else {
                QFAIL(qPrintable(u"unknown step "_s + step));
            }
        }
        QVERIFY(!model.reload()->isBusy());
        QCOMPARE(sorted(model.selection()->selectedJobIDs()), selected);
        const QList<FakeCupsTools::Call> moves = tools.calls(u"lpmove"_s);
        QCOMPARE(arguments(moves), moved);
        // A move never overlaps a listing of jobs.
        for (const FakeCupsTools::Call &listing : tools.calls(u"lpstat"_s, {u"-o"_s})) {
            for (const FakeCupsTools::Call &move : moves)
                QVERIFY2(move.end <= listing.start || listing.end <= move.start, "lpmove ran during a reload");
        }
    }

    void listingsRunConcurrently()
    {
        CUPSService::threadPool()->setMaxThreadCount(2);
        FakeCupsTools tools;
        listOnFakes(tools, baseJobs, basePrinters);
        tools.delayListing(u"-o"_s, 0.5);
        tools.delayListing(u"-a"_s, 0.5);
        PrintJobsViewModel model {CUPSService(tools.lpstatPath())};
        QVERIFY(finishes(model.reload()->refresh()));

        const QList<FakeCupsTools::Call> jobs = tools.calls(u"lpstat"_s, {u"-o"_s});
        const QList<FakeCupsTools::Call> printers = tools.calls(u"lpstat"_s, {u"-a"_s});
        QCOMPARE(jobs.size(), 1);
        QCOMPARE(printers.size(), 1);
        QVERIFY2(jobs.first().start < printers.first().end && printers.first().start < jobs.first().end,
                 "the job and printer listings did not overlap");
    }

    void moveOutcome_data()
    {
        TestTables::addColumns<QStringList, QStringList, QString, QString, QString>("selection", "failing", "title",
                                                                                    "message", "status");

        const auto failureLine = [](const QString &identifier) {
            return u"• "_s + identifier + u": lpmove ist mit Status 1 fehlgeschlagen. "_s
                + lpmoveFailure(identifier).trimmed();
        };
        QTest::newRow("one job")
            << QStringList {u"A-1"_s} << QStringList() << u"Auftrag verschoben"_s
            << u"Alle ausgewählten Aufträge wurden an D übergeben. Die Listen werden aktualisiert."_s
            << u"1 Auftrag bzw. Aufträge wurden an CUPS übergeben."_s;
        QTest::newRow("three jobs")
            << QStringList {u"A-1"_s, u"A-2"_s, u"B-3"_s} << QStringList() << u"3 Aufträge verschoben"_s
            << u"Alle ausgewählten Aufträge wurden an D übergeben. Die Listen werden aktualisiert."_s
            << u"3 Auftrag bzw. Aufträge wurden an CUPS übergeben."_s;
        QTest::newRow("four of five fail: three lines")
            << QStringList {u"A-1"_s, u"A-2"_s, u"B-3"_s, u"C-4"_s, u"Bu\u0308ro-5"_s}
            << QStringList {u"A-1"_s, u"B-3"_s, u"C-4"_s, u"Bu\u0308ro-5"_s}
            << u"Nicht alle Aufträge konnten verschoben werden"_s
            << u"1 Auftrag bzw. Aufträge wurden übergeben.\n\nNicht verschoben:\n"_s + failureLine(u"A-1"_s) + u'\n'
                + failureLine(u"B-3"_s) + u'\n' + failureLine(u"C-4"_s) + u"\n\nDie Listen werden aktualisiert."_s
            << u"1 von 5 Auftrag bzw. Aufträgen wurden übergeben."_s;
        QTest::newRow("all fail") << QStringList {u"A-1"_s, u"B-3"_s} << QStringList {u"A-1"_s, u"B-3"_s}
                                  << u"Nicht alle Aufträge konnten verschoben werden"_s
                                  << u"Kein Auftrag konnte übergeben werden.\n\nNicht verschoben:\n"_s
                + failureLine(u"A-1"_s) + u'\n' + failureLine(u"B-3"_s) + u"\n\nDie Listen werden aktualisiert."_s
                                  << u"0 von 2 Auftrag bzw. Aufträgen wurden übergeben."_s;
    }

    void moveOutcome()
    {
        QFETCH(QStringList, selection);
        QFETCH(QStringList, failing);
        QFETCH(QString, title);
        QFETCH(QString, message);
        QFETCH(QString, status);

        FakeCupsTools tools;
        listOnFakes(tools, baseJobs, basePrinters);
        for (const QString &identifier : failing)
            tools.failMove(identifier, lpmoveFailure(identifier));
        PrintJobsViewModel model {CUPSService(tools.lpstatPath())};
        QVERIFY(finishes(model.reload()->refresh()));
        apply(model, SelectionSteps::toggleThenChoose(selection, u"D"_s));
        QVERIFY(model.move()->canRequest());

        // The closing reload first, then the report (notice, then status), then isMoving off.
        QStringList order;
        QString lastStatus = model.notices()->statusText();
        QString statusAtMoveEnd;
        bool wasMoving = false;
        ModelSignals::onEveryChange(model, this, [&] {
            if (model.notices()->notice() && !order.contains(u"notice"_s))
                order.append(u"notice"_s);
            if (model.notices()->statusText() != lastStatus && !order.contains(u"status"_s))
                order.append(u"status"_s);
            lastStatus = model.notices()->statusText();
            if (wasMoving && !model.work()->isMoving()) {
                order.append(u"moving off"_s);
                statusAtMoveEnd = model.notices()->statusText();
            }
            wasMoving = model.work()->isMoving();
            if (model.reload()->isLoading() && !order.contains(u"loading"_s))
                order.append(u"loading"_s);
        });

        // One more job handled at each step, out of all of them.
        QStringList progress;
        connect(model.work(), &CountedWork::progressChanged, this, [&] {
            if (!model.work()->progress().text.isEmpty() && !progress.contains(model.work()->progress().text))
                progress.append(model.work()->progress().text);
        });

        const QFuture<void> move = model.move()->moveSelectedJobs();
        QVERIFY(model.work()->isMoving());
        QCOMPARE(model.work()->progress().total, selection.size());
        QVERIFY(finishes(move));
        QVERIFY(!model.work()->isMoving());
        QStringList expectedProgress;
        for (qsizetype done = 0; done <= selection.size(); ++done)
            expectedProgress.append(u"Verschiebe %1 von %2 …"_s.arg(done).arg(selection.size()));
        QCOMPARE(progress, expectedProgress);
        QCOMPARE(model.work()->progress().total, 0);
        QCOMPARE(model.work()->progress().done, 0);
        QCOMPARE(model.work()->progress().text, QString());
        QVERIFY(!model.reload()->isLoading());
        QCOMPARE(order, (QStringList {u"loading"_s, u"notice"_s, u"status"_s, u"moving off"_s}));
        QCOMPARE(model.notices()->notice()->title, title);
        QCOMPARE(model.notices()->notice()->message, message);
        QCOMPARE(statusAtMoveEnd, status);
        // The closing reload has run; the report's status line stands after it.
        QCOMPARE(tools.calls(u"lpstat"_s, {u"-o"_s}).size(), 2);
        QCOMPARE(model.selection()->jobs().size(), baseJobs.size());
        QCOMPARE(model.notices()->statusText(), status);

        // Exactly identifier and destination, in listing order, one after the other.
        const QList<FakeCupsTools::Call> moves = tools.calls(u"lpmove"_s);
        QStringList expected;
        for (const QString &identifier : selection)
            expected.append(identifier + u" D"_s);
        QCOMPARE(arguments(moves), expected);
        for (qsizetype i = 1; i < moves.size(); ++i)
            QVERIFY2(moves[i].start >= moves[i - 1].end, "two lpmove runs overlapped");
    }

    // lpmove's word is checked against the closing reload: CUPS keeps a job's
    // number when it moves the job.
    void moveIsVerifiedByTheClosingReload_data()
    {
        QTest::addColumn<QStringList>("selection");
        QTest::addColumn<QStringList>("landings"); // "job=queue" for a job lpmove leaves elsewhere
        QTest::addColumn<QString>("hang"); // "before" or "after" moving, beyond the limit
        QTest::addColumn<QString>("closing"); // the listing after the move: "" as before, "no D", "fails"
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("nextTitle"); // the notice that follows the report, if any

        const QString allMoved = u"Alle ausgewählten Aufträge wurden an D übergeben. Die Listen werden aktualisiert."_s;
        const QString notAll = u"Nicht alle Aufträge konnten verschoben werden"_s;
        const QString tail = u"\n\nDie Listen werden aktualisiert."_s;
        QTest::newRow("exit 0 but the job stays in its queue")
            << QStringList {u"A-1"_s, u"A-2"_s} << QStringList {u"A-1=A"_s} << QString() << QString() << notAll
            << u"1 Auftrag bzw. Aufträge wurden übergeben.\n\nNicht verschoben:\n"
               u"• A-1: CUPS meldete Erfolg, aber der Auftrag steht weiterhin in „A“."_s
                + tail
            << u"1 von 2 Auftrag bzw. Aufträgen wurden übergeben."_s << QString();
        QTest::newRow("exit 0 but the job is in another queue")
            << QStringList {u"A-1"_s, u"A-2"_s} << QStringList {u"A-2=C"_s} << QString() << QString() << notAll
            << u"1 Auftrag bzw. Aufträge wurden übergeben.\n\nNicht verschoben:\n"
               u"• A-2: CUPS meldete Erfolg, aber der Auftrag steht jetzt in „C“ statt in „D“."_s
                + tail
            << u"1 von 2 Auftrag bzw. Aufträgen wurden übergeben."_s << QString();
        QTest::newRow("a job gone meanwhile is no failure")
            << QStringList {u"A-1"_s, u"B-3"_s} << QStringList {u"B-3="_s} << QString() << QString()
            << u"2 Aufträge verschoben"_s << allMoved << u"2 Auftrag bzw. Aufträge wurden an CUPS übergeben."_s
            << QString();
        QTest::newRow("stopped before it moved: the time limit is the reason")
            << QStringList {u"A-1"_s} << QStringList() << u"before"_s << QString() << notAll
            << u"Kein Auftrag konnte übergeben werden.\n\nNicht verschoben:\n"
               u"• A-1: lpmove hat nach 0,3 Sekunden nicht geendet und wurde abgebrochen."_s
                + tail
            << u"0 von 1 Auftrag bzw. Aufträgen wurden übergeben."_s << QString();
        QTest::newRow("stopped after it moved: moved")
            << QStringList {u"A-1"_s} << QStringList() << u"after"_s << QString() << u"Auftrag verschoben"_s << allMoved
            << u"1 Auftrag bzw. Aufträge wurden an CUPS übergeben."_s << QString();
        const QString gone = u"CUPS meldete Erfolg, aber die Warteschlange „D“ ist nicht mehr vorhanden; CUPS bricht "
                             u"die Aufträge einer gelöschten Warteschlange ab."_s;
        QTest::newRow("destination deleted meanwhile")
            << QStringList {u"A-1"_s, u"B-3"_s} << QStringList {u"B-3="_s} << QString() << u"no D"_s << notAll
            << u"Kein Auftrag konnte übergeben werden.\n\nNicht verschoben:\n• A-1: "_s + gone + u"\n• B-3: "_s + gone
                + tail
            << u"0 von 2 Auftrag bzw. Aufträgen wurden übergeben."_s << QString();
        QTest::newRow("closing reload fails: the report, unchecked, then the failure")
            << QStringList {u"A-1"_s} << QStringList() << QString() << u"fails"_s << u"Auftrag verschoben"_s
            << allMoved
                + u"\n\nOb die Aufträge angekommen sind, ließ sich nicht prüfen: Die Listen konnten danach nicht "
                  u"geladen werden."_s
            << u"CUPS-Daten konnten nicht geladen werden."_s << u"CUPS nicht verfügbar"_s;
    }

    void moveIsVerifiedByTheClosingReload()
    {
        QFETCH(QStringList, selection);
        QFETCH(QStringList, landings);
        QFETCH(QString, hang);
        QFETCH(QString, closing);
        QFETCH(QString, title);
        QFETCH(QString, message);
        QFETCH(QString, status);
        QFETCH(QString, nextTitle);

        FakeCupsTools tools;
        listOnFakes(tools, baseJobs, basePrinters);
        for (const QString &landing : landings)
            tools.setMoveLanding(landing.section(u'=', 0, 0), landing.section(u'=', 1));
        if (!hang.isEmpty())
            tools.delayMoves(2,
                             hang == u"before"_s ? FakeCupsTools::MoveDelay::BeforeMoving
                                                 : FakeCupsTools::MoveDelay::AfterMoving);
        PrintJobsViewModel model {
            CUPSService(tools.lpstatPath(), CUPSService::defaultListingTimeLimit, std::chrono::milliseconds(300))};
        QVERIFY(finishes(model.reload()->refresh()));
        apply(model, SelectionSteps::toggleThenChoose(selection, u"D"_s));
        QStringList printersAfter = basePrinters;
        if (closing == u"no D"_s)
            printersAfter.removeAll(u"D"_s);
        tools.setPrinterNames(printersAfter);
        if (closing == u"fails"_s)
            tools.failListing(u"-o"_s, 1, u"lpstat: Scheduler nicht erreichbar"_s);

        QVERIFY(finishes(model.move()->moveSelectedJobs()));
        QVERIFY(model.notices()->notice());
        QCOMPARE(model.notices()->notice()->title, title);
        QCOMPARE(model.notices()->notice()->message, message);
        QCOMPARE(model.notices()->statusText(), status);
        QCOMPARE(tools.calls(u"lpstat"_s, {u"-o"_s}).size(), 2);
        // Taking the move back is offered once the closing reload bore out a moved job.
        QCOMPARE(model.notices()->notice()->offersUndo, closing != u"fails"_s && !status.startsWith(u"0 "_s));
        QCOMPARE(model.undo()->canUndo(), model.notices()->notice()->offersUndo);
        model.notices()->dismiss();
        QCOMPARE(model.notices()->notice() ? model.notices()->notice()->title : QString(), nextTitle);
        if (!model.undo()->canUndo())
            return;
        // Emptied by a failed reload, the lists tell nothing: the offer waits
        // for lists that load, and says so.
        tools.failListing(u"-o"_s, 1, u"lpstat: Scheduler nicht erreichbar"_s);
        QVERIFY(finishes(model.reload()->refresh()));
        model.notices()->dismiss();
        model.undo()->requestConfirmation();
        QVERIFY(!model.undo()->question()->isOpen());
        QVERIFY(model.undo()->canUndo() && model.undo()->waitsForLists());
        QVERIFY(!model.notices()->notice());
        QCOMPARE(model.notices()->statusText(),
                 u"Rückgängig machen ist wieder möglich, sobald die Listen geladen sind."_s);
        QVERIFY(model.undo()->undoLastMove().isFinished());
        tools.failListing(u"-o"_s, 0, QString());
        // With every job gone from the destination, there is nothing to ask about.
        tools.setJobLines({});
        QVERIFY(finishes(model.reload()->refresh()));
        model.undo()->requestConfirmation();
        QVERIFY(!model.undo()->question()->isOpen());
        QVERIFY(!model.undo()->canUndo());
        QCOMPARE(model.notices()->notice()->title, u"Nichts zurückzuverschieben"_s);
        QVERIFY2(
            model.notices()->notice()->message.startsWith(u"Keiner der verschobenen Aufträge steht noch in „D“ (D-"_s),
            qPrintable(model.notices()->notice()->message));
    }

    void jobInDestinationFailsWithoutToolRun()
    {
        BaseWindow window;
        auto &[tools, model] = window;
        QVERIFY(finishes(model.reload()->refresh()));
        // The pane never offers C once C-4 is selected, but a direct write can.
        apply(model, {u"toggle A-1"_s, u"toggle C-4"_s, u"toggle B-3"_s, u"dest C"_s});
        QVERIFY(!model.move()->canRequest());

        QVERIFY(finishes(model.move()->moveSelectedJobs()));
        QCOMPARE(arguments(tools.calls(u"lpmove"_s)), (QStringList {u"A-1 C"_s, u"B-3 C"_s}));
        QCOMPARE(model.notices()->notice()->message,
                 u"2 Auftrag bzw. Aufträge wurden übergeben.\n\nNicht verschoben:\n• C-4: "_s
                     + CUPSServiceError::invalidDestination().errorDescription()
                     + u"\n\nDie Listen werden aktualisiert."_s);
    }

    void workflowsFinishWithSmallPool_data()
    {
        QTest::addColumn<int>("threads");
        QTest::newRow("1 thread") << 1;
        QTest::newRow("2 threads") << 2;
    }

    void workflowsFinishWithSmallPool()
    {
        QFETCH(int, threads);
        CUPSService::threadPool()->setMaxThreadCount(threads);

        FakeCupsTools tools;
        listOnFakes(tools, baseJobs, basePrinters);
        tools.setDetailedJobListing(u"A-1 anna 1024\n\tTitle: Bericht\n"_s);
        tools.failMove(u"B-3"_s, lpmoveFailure(u"B-3"_s));
        PrintJobsViewModel model {CUPSService(tools.lpstatPath())};
        QVERIFY(finishes(model.reload()->refresh()));
        QCOMPARE(model.selection()->jobs().size(), baseJobs.size());

        apply(model, {u"toggle A-1"_s, u"toggle A-2"_s, u"toggle B-3"_s, u"dest D"_s});
        QVERIFY(finishes(model.move()->moveSelectedJobs()));
        QCOMPARE(model.notices()->notice()->title, u"Nicht alle Aufträge konnten verschoben werden"_s);
        QCOMPARE(tools.calls(u"lpmove"_s).size(), 3);

        // A failure to load waits until the move's report has been read.
        tools.failListing(u"-o"_s, 1, u"lpstat: kaputt\n"_s);
        QVERIFY(finishes(model.reload()->refresh()));
        QCOMPARE(model.notices()->notice()->title, u"Nicht alle Aufträge konnten verschoben werden"_s);
        model.notices()->dismiss();
        QCOMPARE(model.notices()->notice()->title, u"CUPS nicht verfügbar"_s);
        QVERIFY(!model.reload()->isLoading());
    }

    void reloadOutlivesItsModel()
    {
        FakeCupsTools tools;
        listOnFakes(tools, baseJobs, basePrinters);
        tools.delayListing(u"-o"_s, 0.3);
        auto model = std::make_unique<PrintJobsViewModel>(CUPSService(tools.lpstatPath()));
        const QFuture<void> reload = model->reload()->refresh();
        QVERIFY(QTest::qWaitFor([&] { return !tools.calls(u"lpstat"_s).isEmpty(); }));
        model.reset();

        QVERIFY(finishes(reload));
        QVERIFY(CUPSService::threadPool()->waitForDone(10'000));
        // Anything the finished runs posted runs now, against no model.
        QCoreApplication::sendPostedEvents();
        QCOMPARE(tools.calls(u"lpstat"_s, {u"-o"_s}).size(), 1);
    }

    void confirmedMoveOutlivesItsModel()
    {
        FakeCupsTools tools;
        listOnFakes(tools, baseJobs, basePrinters);
        auto model = std::make_unique<PrintJobsViewModel>(CUPSService(tools.lpstatPath()));
        QVERIFY(finishes(model->reload()->refresh()));
        apply(*model, {u"toggle A-1"_s, u"toggle A-2"_s, u"toggle B-3"_s, u"dest D"_s});

        tools.delayMoves(0.2);
        const QFuture<void> move = model->move()->moveSelectedJobs();
        QVERIFY(QTest::qWaitFor([&] { return !tools.calls(u"lpmove"_s).isEmpty(); }));
        model.reset();

        // What the application waits for before it quits.
        const QFuture<void> all = ExitPolicy::whenWorkFinished();
        QVERIFY(!all.isFinished());
        QVERIFY(finishes(all));
        QVERIFY(move.isFinished());
        QVERIFY(CUPSService::threadPool()->waitForDone(10'000));
        QCoreApplication::sendPostedEvents();
        // Every confirmed job was still handed over; no reload for a window that is gone.
        QCOMPARE(arguments(tools.calls(u"lpmove"_s)), (QStringList {u"A-1 D"_s, u"A-2 D"_s, u"B-3 D"_s}));
        QCOMPARE(tools.calls(u"lpstat"_s, {u"-o"_s}).size(), 1);

        // With the window still there, quitting waits for the jobs to be
        // handed over, not for the closing reload, which a silent scheduler
        // could hold up for a listing's whole limit.
        listOnFakes(tools, baseJobs, basePrinters);
        PrintJobsViewModel open {CUPSService(tools.lpstatPath())};
        QVERIFY(finishes(open.reload()->refresh()));
        QVERIFY(open.selection()->jobCount() > 0);
        apply(open, {u"toggle A-1"_s, u"dest D"_s});
        tools.delayListing(u"-o"_s, 3);
        const QFuture<void> second = open.move()->moveSelectedJobs();
        QVERIFY(finishes(ExitPolicy::whenWorkFinished()));
        QVERIFY(!second.isFinished());
        QVERIFY(finishes(second));
    }
};

QTEST_GUILESS_MAIN(PrintJobsViewModelTest)
#include "tst_printjobsviewmodel.moc"
