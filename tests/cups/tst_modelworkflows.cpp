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
        QVERIFY(finishes(model.refresh()));
        QVERIFY2(!model.notice(), qPrintable(model.noticeShown().message));
        for (const QString &id : std::as_const(submitted))
            QVERIFY(identifiers(model.jobs()).contains(id));
        choose(model, submitted, u"Farbe"_s);
        QVERIFY(model.canRequestMove());

        QString statusAtMoveEnd;
        ModelSignals::onEveryChange(model, this, [&] {
            if (statusAtMoveEnd.isEmpty() && model.notice())
                statusAtMoveEnd = u"pending"_s;
            else if (statusAtMoveEnd == u"pending"_s)
                statusAtMoveEnd = model.statusText();
        });
        QVERIFY(finishes(model.moveSelectedJobs()));

        QCOMPARE(model.notice()->title, u"3 Aufträge verschoben"_s);
        QCOMPARE(model.notice()->message,
                 u"Alle ausgewählten Aufträge wurden an Farbe übergeben. Die Listen werden aktualisiert."_s);
        QCOMPARE(statusAtMoveEnd, u"3 Auftrag bzw. Aufträge wurden an CUPS übergeben."_s);

        const QStringList listed = identifiers(model.jobs());
        for (const QString &id : std::as_const(submitted)) {
            QVERIFY2(!listed.contains(id), qPrintable(id));
            QVERIFY2(listed.contains(u"Farbe-"_s + number(id)), qPrintable(id));
        }
        QVERIFY(model.selectedJobIDs().isEmpty());
        QCOMPARE(model.selectedDestinationID(), u"Farbe"_s);
        QVERIFY(!model.isMoving());
        QVERIFY(!model.isLoading());
    }

    void cancelledJobFailsWhileTheOthersMove()
    {
        const std::optional<QStringList> held = m_server.submitHeldJobs({u"Laser"_s, u"Etage-2"_s, u"Etage-2"_s});
        QVERIFY2(held, qPrintable(m_server.lastError()));
        const QStringList submitted = *held;

        PrintJobsViewModel model;
        QVERIFY(finishes(model.refresh()));
        choose(model, submitted, u"Farbe"_s);
        const QString cancelled = submitted[1];
        QVERIFY2(m_server.cancelJob(cancelled), qPrintable(m_server.lastError()));

        QVERIFY(finishes(model.moveSelectedJobs()));
        QCOMPARE(model.notice()->title, u"Nicht alle Aufträge konnten verschoben werden"_s);
        const QStringList lines = model.notice()->message.split(u'\n');
        QCOMPARE(lines.first(), u"2 Auftrag bzw. Aufträge wurden übergeben."_s);
        QCOMPARE(lines.size(), 6);
        QCOMPARE(lines[2], u"Nicht verschoben:"_s);
        // lpmove's own words after the label and status.
        const QString failure = u"• "_s + cancelled + u": lpmove ist mit Status "_s;
        QVERIFY2(lines[3].startsWith(failure) && lines[3].contains(u"fehlgeschlagen. lpmove: "_s),
                 qPrintable(lines[3]));
        QCOMPARE(lines.last(), u"Die Listen werden aktualisiert."_s);

        const QStringList listed = identifiers(model.jobs());
        QVERIFY(listed.contains(u"Farbe-"_s + number(submitted[0])));
        QVERIFY(listed.contains(u"Farbe-"_s + number(submitted[2])));
        QVERIFY(!listed.contains(cancelled));
    }

    void stoppedSchedulerFailsTheReloadUntilItIsBack()
    {
        const std::optional<QString> id = m_server.submitHeldJob(u"Laser"_s);
        QVERIFY2(id, qPrintable(m_server.lastError()));
        PrintJobsViewModel model;
        QVERIFY(finishes(model.refresh()));
        choose(model, {*id}, u"Farbe"_s);
        const std::optional<QString> lpmovePath = model.lpmovePath();
        QVERIFY(lpmovePath);

        m_server.stop();
        QVERIFY(finishes(model.refresh()));
        QVERIFY2(m_server.start(), qPrintable(m_server.lastError()));

        QCOMPARE(model.notice()->title, u"CUPS nicht verfügbar"_s);
        QVERIFY2(model.notice()->message.startsWith(
                     u"lpstat -o ist mit Status 1 fehlgeschlagen. lpstat: Scheduler is not running.\n\n"_s),
                 qPrintable(model.notice()->message));
        QCOMPARE(model.statusText(), u"CUPS-Daten konnten nicht geladen werden."_s);
        QVERIFY(model.jobs().isEmpty());
        QVERIFY(model.printers().isEmpty());
        QVERIFY(model.selectedJobIDs().isEmpty());
        QVERIFY(!model.selectedDestinationID());
        QCOMPARE(model.lpmovePath(), lpmovePath);

        model.dismissNotice();
        QVERIFY(finishes(model.refresh()));
        QVERIFY2(!model.notice(), qPrintable(model.noticeShown().message));
        QVERIFY(identifiers(model.jobs()).contains(*id));
        QCOMPARE(model.printers().size(), 3);
        QVERIFY(model.statusText().endsWith(u" Auftrag bzw. Aufträge und 3 Drucker geladen."_s));
    }

    // Last: it stops a queue, so that what it submits keeps waiting.
    void actionsAreVerifiedByTheClosingReload_data()
    {
        QTest::addColumn<JobAction>("action");
        QTest::addColumn<bool>("oneGone"); // the first job is cancelled behind the window's back
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("progress"); // the action bar's text once both jobs had their turn
        QTest::newRow("hold") << JobAction::Hold << false << u"2 Aufträge angehalten"_s << u"Halte 2 von 2 an …"_s;
        QTest::newRow("release") << JobAction::Release << false << u"2 Aufträge freigegeben"_s
                                 << u"Gebe 2 von 2 frei …"_s;
        QTest::newRow("cancel") << JobAction::Cancel << false << u"2 Aufträge abgebrochen"_s
                                << u"Breche 2 von 2 ab …"_s;
        QTest::newRow("hold a job gone meanwhile: failed")
            << JobAction::Hold << true << u"Nicht alle Aufträge konnten angehalten werden"_s << u"Halte 2 von 2 an …"_s;
        QTest::newRow("release a job gone meanwhile: no failure")
            << JobAction::Release << true << u"2 Aufträge freigegeben"_s << u"Gebe 2 von 2 frei …"_s;
        QTest::newRow("cancel a job gone meanwhile: no failure")
            << JobAction::Cancel << true << u"2 Aufträge abgebrochen"_s << u"Breche 2 von 2 ab …"_s;
    }

    void actionsAreVerifiedByTheClosingReload()
    {
        QFETCH(JobAction, action);
        QFETCH(bool, oneGone);
        QFETCH(QString, title);
        QFETCH(QString, progress);
        QVERIFY2(m_server.stopQueue(u"Etage-2"_s), qPrintable(m_server.lastError()));
        // A hold needs waiting jobs, a release held ones.
        QStringList submitted;
        for (int i = 0; i < 2; ++i) {
            const std::optional<QString> id = action == JobAction::Hold ? m_server.submitJob(u"Etage-2"_s, {})
                                                                        : m_server.submitHeldJob(u"Etage-2"_s);
            QVERIFY2(id, qPrintable(m_server.lastError()));
            submitted.append(*id);
        }
        PrintJobsViewModel model;
        QVERIFY(finishes(model.refresh()));
        choose(model, submitted, u"Farbe"_s);
        QVERIFY(action != JobAction::Hold || model.canHoldJobs());
        QVERIFY(action != JobAction::Release || model.canReleaseJobs());
        QVERIFY(model.canCancelJobs());
        if (oneGone)
            QVERIFY2(m_server.cancelJob(submitted[0]), qPrintable(m_server.lastError()));
        QStringList progressTexts;
        ModelSignals::onEveryChange(model, this, [&] {
            if (!model.moveProgress().text.isEmpty() && !progressTexts.contains(model.moveProgress().text))
                progressTexts.append(model.moveProgress().text);
        });

        const QFuture<void> acted = action == JobAction::Hold ? model.holdSelectedJobs()
            : action == JobAction::Release                    ? model.releaseSelectedJobs()
                                                              : model.cancelSelectedJobs();
        QVERIFY(finishes(acted));
        QVERIFY(progressTexts.contains(progress));
        QVERIFY(model.notice());
        QCOMPARE(model.notice()->title, title);
        const QStringList lines = model.notice()->message.split(u'\n');
        if (oneGone && action == JobAction::Hold) {
            QCOMPARE(lines.size(), 6);
            QCOMPARE(lines[0], u"1 Auftrag bzw. Aufträge wurden angehalten."_s);
            QCOMPARE(lines[2], u"Nicht angehalten:"_s);
            QVERIFY2(lines[3].startsWith(u"• "_s + submitted[0] + u": "_s), qPrintable(lines[3]));
        } else {
            QCOMPARE(lines.size(), 1);
            QVERIFY2(lines[0].startsWith(u"Alle ausgewählten Aufträge wurden "_s), qPrintable(lines[0]));
        }
        QVERIFY(lines.last().endsWith(u"Die Listen werden aktualisiert."_s));

        // The lists shown are those the report was checked against.
        QVERIFY(!model.isActing());
        for (qsizetype i = oneGone ? 1 : 0; i < submitted.size(); ++i) {
            const QList<PrintJob> jobs = model.jobs();
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
};

QTEST_GUILESS_MAIN(ModelWorkflowsTest)
#include "tst_modelworkflows.moc"
