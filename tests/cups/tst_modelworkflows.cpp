// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
// The window model end to end: reloads, moves, holds, releases and cancels
// with the real tools and the real scheduler, a private one.

#include <ModelSignals.h>
#include <PrintJobsViewModel.h>
#include <PrivateCupsServer.h>
#include <TestFutures.h>
#include <TestModel.h>
#include <TestRecords.h>
#include <TestTables.h>

#include <QTest>
#include <QThreadPool>

Q_DECLARE_METATYPE(JobAction)

using namespace Qt::StringLiterals;
using TestFutures::finishes;
using TestModel::choose;
using TestRecords::identifiers;

namespace {

QString number(const QString &identifier)
{
    return identifier.section(u'-', -1);
}

} // namespace

class ModelWorkflowsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(m_server.start({u"Laser"_s, u"Etage-2"_s, u"Farbe"_s}), qPrintable(m_server.lastError()));
    }

    void cleanup() { CUPSService::threadPool()->setMaxThreadCount(QThread::idealThreadCount()); }

    void threeJobsMoveToAThirdQueue_data() { TestTables::addPoolSizeRows(); }

    // Three held jobs on two queues go to a third; the closing reload lists
    // them under their new identifiers.
    void threeJobsMoveToAThirdQueue()
    {
        QFETCH(int, threads);
        CUPSService::threadPool()->setMaxThreadCount(threads);
        const std::optional<QStringList> held = m_server.submitHeldJobs({u"Laser"_s, u"Laser"_s, u"Etage-2"_s});
        QVERIFY2(held, qPrintable(m_server.lastError()));
        const QStringList submitted = *held;

        PrintJobsViewModel model;
        QVERIFY(finishes(model.reload()->refresh()));
        QVERIFY2(!model.notices()->notice(), qPrintable(model.notices()->shown().message));
        for (const QString &id : std::as_const(submitted))
            QVERIFY(identifiers(model.selection()->jobs()).contains(id));
        choose(model, submitted, u"Farbe"_s);
        QVERIFY(model.move()->canRequest());

        QString statusAtMoveEnd;
        ModelSignals::onEveryChange(model, this, [&] {
            if (statusAtMoveEnd.isEmpty() && model.notices()->notice())
                statusAtMoveEnd = u"pending"_s;
            else if (statusAtMoveEnd == u"pending"_s)
                statusAtMoveEnd = model.notices()->statusText();
        });
        QVERIFY(finishes(model.move()->moveSelectedJobs()));

        QCOMPARE(model.notices()->notice()->title, u"3 Aufträge verschoben"_s);
        QCOMPARE(model.notices()->notice()->message,
                 u"Alle ausgewählten Aufträge wurden an Farbe übergeben. Die Listen werden aktualisiert."_s);
        QCOMPARE(statusAtMoveEnd, u"3 Auftrag bzw. Aufträge wurden an CUPS übergeben."_s);

        const QStringList listed = identifiers(model.selection()->jobs());
        for (const QString &id : std::as_const(submitted)) {
            QVERIFY2(!listed.contains(id), qPrintable(id));
            QVERIFY2(listed.contains(u"Farbe-"_s + number(id)), qPrintable(id));
        }
        QVERIFY(model.selection()->selectedJobIDs().isEmpty());
        QCOMPARE(model.selection()->selectedDestinationID(), u"Farbe"_s);
        QVERIFY(!model.work()->isMoving());
        QVERIFY(!model.reload()->isLoading());
    }

    void cancelledJobFailsWhileTheOthersMove()
    {
        const std::optional<QStringList> held = m_server.submitHeldJobs({u"Laser"_s, u"Etage-2"_s, u"Etage-2"_s});
        QVERIFY2(held, qPrintable(m_server.lastError()));
        const QStringList submitted = *held;

        PrintJobsViewModel model;
        QVERIFY(finishes(model.reload()->refresh()));
        choose(model, submitted, u"Farbe"_s);
        const QString cancelled = submitted[1];
        QVERIFY2(m_server.cancelJob(cancelled), qPrintable(m_server.lastError()));

        QVERIFY(finishes(model.move()->moveSelectedJobs()));
        QCOMPARE(model.notices()->notice()->title, u"Nicht alle Aufträge konnten verschoben werden"_s);
        const QStringList lines = model.notices()->notice()->message.split(u'\n');
        QCOMPARE(lines.first(), u"2 Auftrag bzw. Aufträge wurden übergeben."_s);
        QCOMPARE(lines.size(), 6);
        QCOMPARE(lines[2], u"Nicht verschoben:"_s);
        // lpmove's own words after the label and status.
        const QString failure = u"• "_s + cancelled + u": lpmove ist mit Status "_s;
        QVERIFY2(lines[3].startsWith(failure) && lines[3].contains(u"fehlgeschlagen. lpmove: "_s),
                 qPrintable(lines[3]));
        QCOMPARE(lines.last(), u"Die Listen werden aktualisiert."_s);

        const QStringList listed = identifiers(model.selection()->jobs());
        QVERIFY(listed.contains(u"Farbe-"_s + number(submitted[0])));
        QVERIFY(listed.contains(u"Farbe-"_s + number(submitted[2])));
        QVERIFY(!listed.contains(cancelled));
    }

    void stoppedSchedulerFailsTheReloadUntilItIsBack()
    {
        const std::optional<QString> id = m_server.submitHeldJob(u"Laser"_s);
        QVERIFY2(id, qPrintable(m_server.lastError()));
        PrintJobsViewModel model;
        QVERIFY(finishes(model.reload()->refresh()));
        choose(model, {*id}, u"Farbe"_s);
        const std::optional<QString> lpmovePath = model.reload()->lpmovePath();
        QVERIFY(lpmovePath);

        m_server.stop();
        QVERIFY(finishes(model.reload()->refresh()));
        QVERIFY2(m_server.start(), qPrintable(m_server.lastError()));

        QCOMPARE(model.notices()->notice()->title, u"CUPS nicht verfügbar"_s);
        QVERIFY2(model.notices()->notice()->message.startsWith(
                     u"lpstat -o ist mit Status 1 fehlgeschlagen. lpstat: Scheduler is not running.\n\n"_s),
                 qPrintable(model.notices()->notice()->message));
        QCOMPARE(model.notices()->statusText(), u"CUPS-Daten konnten nicht geladen werden."_s);
        QVERIFY(model.selection()->jobs().isEmpty());
        QVERIFY(model.selection()->printers().isEmpty());
        QVERIFY(model.selection()->selectedJobIDs().isEmpty());
        QVERIFY(!model.selection()->selectedDestinationID());
        QCOMPARE(model.reload()->lpmovePath(), lpmovePath);

        model.notices()->dismiss();
        QVERIFY(finishes(model.reload()->refresh()));
        QVERIFY2(!model.notices()->notice(), qPrintable(model.notices()->shown().message));
        QVERIFY(identifiers(model.selection()->jobs()).contains(*id));
        QCOMPARE(model.selection()->printers().size(), 3);
        QVERIFY(model.notices()->statusText().endsWith(u" Auftrag bzw. Aufträge und 3 Drucker geladen."_s));
    }

    // Two jobs move to Farbe and are taken back. "Alt" stands for a queue of
    // the row's own, which `meanwhile` may remove or set to reject jobs after
    // the move; "cancel" cancels the first job; "clash" adds a queue named like
    // the first job as Farbe lists it, with a job of its own, which nothing
    // may touch (lpmove takes a queue's name for all its jobs, and CUPS
    // compares names without regard to case). A reload follows before the
    // undo is asked for, whose confirmation notes then say `note` ("%1" for
    // the first job as it stood in Farbe).
    void aMoveIsTakenBack_data()
    {
        QTest::addColumn<QStringList>("sources");
        QTest::addColumn<QString>("meanwhile");
        QTest::addColumn<QString>("note");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("backIn"); // where each job stands at the end, "" for nowhere
        QTest::newRow("two source queues")
            << QStringList {u"Laser"_s, u"Etage-2"_s} << QString() << QString() << u"2 Aufträge zurückverschoben"_s
            << QStringList {u"Laser"_s, u"Etage-2"_s};
        QTest::newRow("one gone meanwhile: left out")
            << QStringList {u"Laser"_s, u"Laser"_s} << u"cancel"_s
            << u"Nicht mehr in „Farbe“ und darum ausgelassen: %1"_s << u"Auftrag zurückverschoben"_s
            << QStringList {QString(), u"Laser"_s};
        QTest::newRow("source queue removed")
            << QStringList {u"Alt"_s, u"Laser"_s} << u"remove"_s << QString()
            << u"Nicht alle Aufträge konnten zurückverschoben werden"_s << QStringList {u"Farbe"_s, u"Laser"_s};
        QTest::newRow("a queue named like a job: that job refused, nothing else touched")
            << QStringList {u"Laser"_s, u"Laser"_s} << u"clash"_s << QString()
            << u"Nicht alle Aufträge konnten zurückverschoben werden"_s << QStringList {u"Farbe"_s, u"Laser"_s};
        // lpmove takes a job's number wherever the job stands: one moved on
        // while the question was open stays where it went.
        QTest::newRow("one moved on while asked: left out")
            << QStringList {u"Laser"_s, u"Laser"_s} << u"move on"_s << QString() << u"Auftrag zurückverschoben"_s
            << QStringList {u"Etage-2"_s, u"Laser"_s};
        // CUPS moves jobs into a queue that rejects new ones, and it prints them.
        QTest::newRow("source queue rejects: warned, moved")
            << QStringList {u"Alt"_s, u"Laser"_s} << u"reject"_s
            << u"„Alt“ nimmt keine Aufträge an – Gesperrt. CUPS verschiebt die Aufträge trotzdem dorthin."_s
            << u"2 Aufträge zurückverschoben"_s << QStringList {u"Alt"_s, u"Laser"_s};
    }

    void aMoveIsTakenBack()
    {
        QFETCH(QStringList, sources);
        QFETCH(QString, meanwhile);
        QFETCH(QString, note);
        QFETCH(QString, title);
        QFETCH(QStringList, backIn);
        const QString own = u"Alt-"_s + QString::number(++m_ownQueues);
        QVERIFY2(m_server.addQueue(own), qPrintable(m_server.lastError()));
        sources.replaceInStrings(u"Alt"_s, own);
        note.replace(u"Alt"_s, own);
        backIn.replaceInStrings(u"Alt"_s, own);
        const std::optional<QStringList> held = m_server.submitHeldJobs(sources);
        QVERIFY2(held, qPrintable(m_server.lastError()));
        note.replace(u"%1"_s, u"Farbe-"_s + number(held->at(0)));

        PrintJobsViewModel model;
        QVERIFY(finishes(model.reload()->refresh()));
        choose(model, *held, u"Farbe"_s);
        QVERIFY(finishes(model.move()->moveSelectedJobs()));
        QVERIFY(model.notices()->notice()->offersUndo);
        QVERIFY(model.undo()->canUndo());
        QStringList moved;
        for (const QString &id : std::as_const(*held))
            moved.append(u"Farbe-"_s + number(id));
        if (meanwhile == u"cancel"_s)
            QVERIFY2(m_server.cancelJob(moved[0]), qPrintable(m_server.lastError()));
        else if (meanwhile == u"remove"_s)
            QVERIFY2(m_server.removeQueue(own), qPrintable(m_server.lastError()));
        else if (meanwhile == u"reject"_s)
            QVERIFY2(m_server.rejectQueue(own, u"Gesperrt"_s), qPrintable(m_server.lastError()));
        std::optional<QString> clashing;
        if (meanwhile == u"clash"_s) {
            const QString queue = moved[0].toLower();
            QVERIFY2(m_server.addQueue(queue), qPrintable(m_server.lastError()));
            clashing = m_server.submitHeldJob(queue);
            QVERIFY2(clashing, qPrintable(m_server.lastError()));
        }
        QVERIFY(finishes(model.reload()->refresh()));

        model.undo()->requestConfirmation();
        QVERIFY(!model.notices()->notice());
        QVERIFY(model.undo()->question()->isOpen());
        const UndoConfirmation confirmation = model.undo()->confirmation();
        const bool leftOut = meanwhile == u"cancel"_s;
        QCOMPARE(confirmation.lines.size(), leftOut ? 1 : 2);
        QCOMPARE(confirmation.lines.last(), u"• "_s + moved.last() + u" → "_s + sources.last());
        QCOMPARE(confirmation.notes, note.isEmpty() ? QStringList() : QStringList {note});
        if (meanwhile == u"move on"_s)
            QVERIFY2(m_server.moveJob(moved[0], u"Etage-2"_s), qPrintable(m_server.lastError()));

        QVERIFY(finishes(model.undo()->undoLastMove()));
        QVERIFY(!model.undo()->canUndo());
        QVERIFY(!model.notices()->notice()->offersUndo);
        QCOMPARE(model.notices()->notice()->title, title);
        QCOMPARE(model.notices()->notice()->message.contains(u"ausgelassen: "_s + moved[0]),
                 leftOut || meanwhile == u"move on"_s);
        if (meanwhile == u"remove"_s || clashing) {
            const QStringList lines = model.notices()->notice()->message.split(u'\n');
            QCOMPARE(lines[0], u"1 Auftrag bzw. Aufträge wurden zurückverschoben."_s);
            // The scheduler's own words after lpmove's; the clash refused before lpmove runs.
            QVERIFY2(lines[3].startsWith(u"• "_s + moved[0] + u": "_s)
                         && lines[3].contains(clashing ? u"Warteschlange"_s : u"lpmove: "_s),
                     qPrintable(lines[3]));
        }
        if (clashing)
            QVERIFY(identifiers(model.selection()->jobs()).contains(*clashing));
        for (qsizetype i = 0; i < held->size(); ++i) {
            const QString expected = backIn[i].isEmpty() ? QString() : backIn[i] + u'-' + number(held->at(i));
            const QStringList listed = identifiers(model.selection()->jobs());
            QVERIFY2(expected.isEmpty() ? !listed.contains(moved[i]) && !listed.contains(held->at(i))
                                        : listed.contains(expected),
                     qPrintable(held->at(i)));
        }
    }

    // Last: it stops a queue, so that what it submits keeps waiting.
    void actionsAreVerifiedByTheClosingReload_data()
    {
        QTest::addColumn<JobAction>("action");
        // What becomes of the first job behind the window's back: "cancelled",
        // or "printed" (its queue starts while the window asks).
        QTest::addColumn<QString>("meanwhile");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("progress"); // the action bar's text once both jobs had their turn
        QTest::newRow("hold") << JobAction::Hold << QString() << u"2 Aufträge angehalten"_s << u"Halte 2 von 2 an …"_s;
        QTest::newRow("release") << JobAction::Release << QString() << u"2 Aufträge freigegeben"_s
                                 << u"Gebe 2 von 2 frei …"_s;
        QTest::newRow("cancel") << JobAction::Cancel << QString() << u"2 Aufträge abgebrochen"_s
                                << u"Breche 2 von 2 ab …"_s;
        // What the scheduler refuses stays a failure, also for a job that is gone.
        QTest::newRow("hold a job gone meanwhile: failed")
            << JobAction::Hold << u"cancelled"_s << u"Nicht alle Aufträge konnten angehalten werden"_s
            << u"Halte 2 von 2 an …"_s;
        QTest::newRow("release a job gone meanwhile: refused")
            << JobAction::Release << u"cancelled"_s << u"Nicht alle Aufträge konnten freigegeben werden"_s
            << u"Gebe 2 von 2 frei …"_s;
        QTest::newRow("cancel a job gone meanwhile: refused")
            << JobAction::Cancel << u"cancelled"_s << u"Nicht alle Aufträge konnten abgebrochen werden"_s
            << u"Breche 2 von 2 ab …"_s;
        QTest::newRow("cancel a job printed while asked: refused, most likely printed")
            << JobAction::Cancel << u"printed"_s << u"Nicht alle Aufträge konnten abgebrochen werden"_s
            << u"Breche 2 von 2 ab …"_s;
    }

    void actionsAreVerifiedByTheClosingReload()
    {
        QFETCH(JobAction, action);
        QFETCH(QString, meanwhile);
        QFETCH(QString, title);
        QFETCH(QString, progress);
        const bool oneGone = !meanwhile.isEmpty();
        const QString printing = u"Druckt"_s;
        QVERIFY2(m_server.stopQueue(u"Etage-2"_s), qPrintable(m_server.lastError()));
        QVERIFY2(m_server.addQueue(printing) && m_server.stopQueue(printing), qPrintable(m_server.lastError()));
        // A hold needs waiting jobs, a release held ones.
        QStringList submitted;
        for (int i = 0; i < 2; ++i) {
            const QString queue = i == 0 && meanwhile == u"printed"_s ? printing : u"Etage-2"_s;
            const std::optional<QString> id
                = action == JobAction::Release ? m_server.submitHeldJob(queue) : m_server.submitJob(queue, {});
            QVERIFY2(id, qPrintable(m_server.lastError()));
            submitted.append(*id);
        }
        PrintJobsViewModel model;
        QVERIFY(finishes(model.reload()->refresh()));
        choose(model, submitted, u"Farbe"_s);
        QVERIFY(action != JobAction::Hold || model.actions()->canHold());
        QVERIFY(action != JobAction::Release || model.actions()->canRelease());
        QVERIFY(model.actions()->canCancel());
        if (action == JobAction::Cancel) {
            model.actions()->requestCancelConfirmation();
            QVERIFY(model.actions()->cancelQuestion()->isOpen());
        }
        if (meanwhile == u"cancelled"_s)
            QVERIFY2(m_server.cancelJob(submitted[0]), qPrintable(m_server.lastError()));
        if (meanwhile == u"printed"_s) {
            QVERIFY2(m_server.startQueue(printing), qPrintable(m_server.lastError()));
            QTRY_VERIFY_WITH_TIMEOUT(!m_server.jobIdentifiers().value_or(submitted).contains(submitted[0]), 20'000);
        }
        QStringList progressTexts;
        ModelSignals::onEveryChange(model, this, [&] {
            if (!model.work()->progress().text.isEmpty() && !progressTexts.contains(model.work()->progress().text))
                progressTexts.append(model.work()->progress().text);
        });

        const QFuture<void> acted = action == JobAction::Hold ? model.actions()->holdSelectedJobs()
            : action == JobAction::Release                    ? model.actions()->releaseSelectedJobs()
                                                              : model.actions()->cancelSelectedJobs();
        QVERIFY(finishes(acted));
        QVERIFY(progressTexts.contains(progress));
        QVERIFY(model.notices()->notice());
        QCOMPARE(model.notices()->notice()->title, title);
        const QStringList lines = model.notices()->notice()->message.split(u'\n');
        if (oneGone) {
            QCOMPARE(lines.size(), 6);
            QCOMPARE(lines[0].section(u' ', 0, 0), u"1"_s);
            QVERIFY2(lines[3].startsWith(u"• "_s + submitted[0] + u": "_s), qPrintable(lines[3]));
            // The scheduler said why; that the job is gone says it was most likely printed.
            QVERIFY2(lines[3].endsWith(u"er wurde wohl schon gedruckt."_s), qPrintable(lines[3]));
        } else {
            QCOMPARE(lines.size(), 1);
            QVERIFY2(lines[0].startsWith(u"Alle ausgewählten Aufträge wurden "_s), qPrintable(lines[0]));
        }
        QVERIFY(lines.last().endsWith(u"Die Listen werden aktualisiert."_s));

        // The lists shown are those the report was checked against.
        QVERIFY(!model.work()->isActing());
        for (qsizetype i = oneGone ? 1 : 0; i < submitted.size(); ++i) {
            const QList<PrintJob> jobs = model.selection()->jobs();
            const auto listed = std::find_if(jobs.cbegin(), jobs.cend(),
                                             [&](const PrintJob &job) { return job.identifier == submitted[i]; });
            if (action == JobAction::Cancel) {
                QVERIFY2(listed == jobs.cend(), qPrintable(submitted[i]));
                continue;
            }
            QVERIFY2(listed != jobs.cend(), qPrintable(submitted[i]));
            QCOMPARE(listed->state == PrintJob::State::Held, action == JobAction::Hold);
        }
    }

private:
    PrivateCupsServer m_server;
    int m_ownQueues = 0;
};

QTEST_GUILESS_MAIN(ModelWorkflowsTest)
#include "tst_modelworkflows.moc"
