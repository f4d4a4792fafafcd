// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
// The row models of the two panes: identity-preserving updates, checked with
// QAbstractItemModelTester, and the role names QML binds to.

#include <DisplayText.h>
#include <FakeCupsTools.h>
#include <JobListModel.h>
#include <PrintJobsViewModel.h>
#include <PrintJobsViewModelTestAccess.h>
#include <PrinterListModel.h>
#include <TestRecords.h>
#include <TestTables.h>

#include <QAbstractItemModelTester>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(PrintJob)

void qml_register_types_Parvento_Model();

namespace {

// "A-1" is a job without title; "A-1=Bericht" has the title Bericht.
PrintJob jobFromText(const QString &text)
{
    std::optional<QString> title;
    if (text.contains(u'='))
        title = text.section(u'=', 1);
    return TestRecords::job(text.section(u'=', 0, 0), std::nullopt, title);
}

JobEntry entry(const PrintJob &job, bool selected = false)
{
    return JobEntry {job, job.identifier, job.sourcePrinterName, selected, {}};
}

void show(JobListModel &model, const QStringList &rows)
{
    QList<JobEntry> entries;
    for (const QString &row : rows)
        entries.append(entry(jobFromText(row)));
    model.update(entries);
}

QStringList rows(const JobListModel &model)
{
    QStringList result;
    for (int row = 0; row < model.rowCount(); ++row) {
        const PrintJob &job = model.jobAt(row);
        result.append(job.title ? job.identifier + u'=' + *job.title : job.identifier);
    }
    return result;
}

// Every structural change and content change, as "-first-last", "+first-last"
// and "~first-last", in the order the model announced them.
class ChangeLog : public QObject
{
public:
    explicit ChangeLog(QAbstractItemModel *model)
    {
        connect(model, &QAbstractItemModel::rowsRemoved, this,
                [this](const QModelIndex &, int first, int last) { record(u'-', first, last); });
        connect(model, &QAbstractItemModel::rowsInserted, this,
                [this](const QModelIndex &, int first, int last) { record(u'+', first, last); });
        connect(model, &QAbstractItemModel::dataChanged, this,
                [this](const QModelIndex &first, const QModelIndex &last) { record(u'~', first.row(), last.row()); });
        connect(model, &QAbstractItemModel::modelReset, this, [this] { entries.append(u"reset"_s); });
        connect(model, &QAbstractItemModel::rowsMoved, this, [this] { entries.append(u"move"_s); });
    }

    QStringList entries;

private:
    void record(QChar kind, int first, int last)
    {
        entries.append(kind + QString::number(first) + u'-' + QString::number(last));
    }
};

// A job list model that Qt's model tester checks, showing `rows`, with the
// changes it announces from then on.
struct ObservedJobRows
{
    explicit ObservedJobRows(const QStringList &rows)
    {
        show(model, rows);
        log.emplace(&model);
    }

    JobListModel model;
    QAbstractItemModelTester tester {&model, QAbstractItemModelTester::FailureReportingMode::Fatal};
    std::optional<ChangeLog> log;
};

} // namespace

class ListModelsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void reloadDiffsByIdentity_data()
    {
        TestTables::addColumns<QStringList, QStringList, QStringList>("before", "after", "changes");

        const QStringList abc {u"A-1"_s, u"B-2"_s, u"C-3"_s};
        QTest::newRow("same jobs: nothing") << abc << abc << QStringList();
        QTest::newRow("one dropped: exactly its row")
            << abc << QStringList {u"A-1"_s, u"C-3"_s} << QStringList {u"-1-1"_s};
        QTest::newRow("one added in the middle") << QStringList {u"A-1"_s, u"C-3"_s} << abc << QStringList {u"+1-1"_s};
        QTest::newRow("new title: content change only")
            << abc << QStringList {u"A-1"_s, u"B-2=Bericht"_s, u"C-3"_s} << QStringList {u"~1-1"_s};
        QTest::newRow("scattered drops, one sweep")
            << QStringList {u"A-1"_s, u"B-2"_s, u"C-3"_s, u"D-4"_s, u"E-5"_s, u"F-6"_s}
            << QStringList {u"B-2"_s, u"D-4"_s, u"F-6"_s} << QStringList {u"-0-0"_s, u"-1-1"_s, u"-2-2"_s};
        QTest::newRow("neighbours dropped together") << QStringList {u"A-1"_s, u"B-2"_s, u"C-3"_s, u"D-4"_s}
                                                     << QStringList {u"A-1"_s, u"D-4"_s} << QStringList {u"-1-2"_s};
        QTest::newRow("drop and add at once")
            << abc << QStringList {u"A-1"_s, u"C-3"_s, u"D-4"_s} << QStringList {u"-1-1"_s, u"+2-2"_s};
        QTest::newRow("reordered: the fewest rows go and come")
            << abc << QStringList {u"C-3"_s, u"A-1"_s, u"B-2"_s} << QStringList {u"-2-2"_s, u"+0-0"_s};
        QTest::newRow("listed twice, then once") << QStringList {u"A-1"_s, u"A-1"_s, u"B-2"_s}
                                                 << QStringList {u"A-1"_s, u"B-2"_s} << QStringList {u"-1-1"_s};
        QTest::newRow("all replaced") << QStringList {u"A-1"_s, u"B-2"_s} << QStringList {u"C-3"_s}
                                      << QStringList {u"-0-1"_s, u"+0-0"_s};
        QTest::newRow("from empty") << QStringList() << abc << QStringList {u"+0-2"_s};
        QTest::newRow("to empty") << abc << QStringList() << QStringList {u"-0-2"_s};
    }

    void reloadDiffsByIdentity()
    {
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        QFETCH(QStringList, changes);

        ObservedJobRows observed(before);
        QSignalSpy counts(&observed.model, &JobListModel::countChanged);
        show(observed.model, after);
        QCOMPARE(observed.log->entries, changes);
        QCOMPARE(rows(observed.model), after);
        QCOMPARE(counts.count(), before.size() == after.size() ? 0 : 1);
    }

    // A filter change refills the rows in place: rows beyond the new count go
    // or come, and the rows that now show another job change as one run.
    void filterRefillsRowsInPlace_data()
    {
        TestTables::addColumns<QStringList, QStringList, QStringList>("before", "after", "changes");
        const QStringList abcd {u"A-1"_s, u"B-2"_s, u"C-3"_s, u"D-4"_s};
        QTest::newRow("narrowed") << abcd << QStringList {u"B-2"_s, u"D-4"_s} << QStringList {u"-2-3"_s, u"~0-1"_s};
        QTest::newRow("widened") << QStringList {u"B-2"_s, u"D-4"_s} << abcd << QStringList {u"~0-1"_s, u"+2-3"_s};
        QTest::newRow("leading rows stay") << abcd << QStringList {u"A-1"_s, u"B-2"_s} << QStringList {u"-2-3"_s};
        QTest::newRow("one run around rows that stay")
            << abcd << QStringList {u"X-1"_s, u"B-2"_s, u"C-3"_s, u"Y-4"_s} << QStringList {u"~0-3"_s};
        QTest::newRow("nothing shown") << abcd << QStringList() << QStringList {u"-0-3"_s};
    }

    void filterRefillsRowsInPlace()
    {
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);

        ObservedJobRows observed(before);
        QList<JobEntry> entries;
        for (const QString &row : std::as_const(after))
            entries.append(entry(jobFromText(row)));
        observed.model.refill(entries);
        QTEST(observed.log->entries, "changes");
        QCOMPARE(rows(observed.model), after);
    }

    // Random listings with repeats and reorderings: whatever the diff does, the
    // rows end up as listed and every step is a consistent model change.
    void randomReloadsEndAsListed()
    {
        QRandomGenerator random(20240101);
        const auto listing = [&random] {
            QStringList rows;
            const int size = random.bounded(0, 25);
            for (int i = 0; i < size; ++i) {
                QString row = u"Q-"_s + QString::number(random.bounded(1, 16));
                if (random.bounded(4) == 0)
                    row += u"=T"_s + QString::number(random.bounded(3));
                rows.append(row);
            }
            if (random.bounded(3) == 0)
                rows.sort(); // mostly the same order from one reload to the next
            return rows;
        };

        JobListModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
        for (int round = 0; round < 300; ++round) {
            const QStringList listed = listing();
            show(model, listed);
            QCOMPARE(rows(model), listed);
        }
    }

    void rolesOfAJob_data()
    {
        TestTables::addColumns<PrintJob, QString, QString, bool, QString, QString>(
            "job", "displayTitle", "owner", "hasOwner", "description", "displayIdentifier");

        QTest::newRow("owner and title") << PrintJob {u"Laser-42"_s, u"Laser"_s, u"anna"_s, u"Bericht.pdf"_s}
                                         << u"Bericht.pdf"_s << u"anna"_s << true
                                         << u"Laser-42 · Quelle: Laser · Eigentümer: anna · Titel: Bericht.pdf"_s
                                         << u"Laser-42"_s;
        QTest::newRow("neither") << PrintJob {u"Laser-42"_s, u"Laser"_s, std::nullopt, std::nullopt}
                                 << u"Druckauftrag"_s << QString() << false << u"Laser-42 · Quelle: Laser"_s
                                 << u"Laser-42"_s;
        QTest::newRow("present but empty")
            << PrintJob {u"Laser-42"_s, u"Laser"_s, QString(), QString()} << u"Druckauftrag"_s << QString() << false
            << u"Laser-42 · Quelle: Laser"_s << u"Laser-42"_s;
        QTest::newRow("queue named beyond ASCII")
            << PrintJob {u"B%C3%BCro-14"_s, u"Büro"_s, std::nullopt, std::nullopt} << u"Druckauftrag"_s << QString()
            << false << u"Büro-14 · Quelle: Büro"_s << u"Büro-14"_s;
        // The job number stays after the right-to-left name; the owner's
        // override cannot turn the small print round.
        QTest::newRow("right-to-left queue, disguised owner and title")
            << PrintJob {u"%D7%93%D7%A4-3"_s, u"\u05D3\u05E4"_s, u"\u202Eecila"_s, u"Bericht\n\u2022 Gehalt"_s}
            << u"Bericht \u2022 Gehalt"_s << u"\uFFFDecila"_s << true
            << u"\u2068\u05D3\u05E4\u2069-3 · Quelle: \u2068\u05D3\u05E4\u2069 · Eigentümer: \uFFFDecila · Titel: "
               u"Bericht \u2022 Gehalt"_s
            << u"\u2068\u05D3\u05E4\u2069-3"_s;
    }

    void rolesOfAJob()
    {
        QFETCH(PrintJob, job);
        QFETCH(QString, displayTitle);
        QFETCH(QString, owner);
        QFETCH(bool, hasOwner);
        QFETCH(QString, description);
        QFETCH(QString, displayIdentifier);

        JobListModel model;
        model.update({entry(job, true)});
        const QModelIndex index = model.index(0);
        QCOMPARE(index.data(JobListModel::IdentifierRole).toString(), job.identifier);
        QCOMPARE(index.data(JobListModel::DisplayTitleRole).toString(), displayTitle);
        QCOMPARE(index.data(JobListModel::SourcePrinterNameRole).toString(), DisplayText::field(job.sourcePrinterName));
        QCOMPARE(index.data(JobListModel::OwnerRole).toString(), owner);
        QCOMPARE(index.data(JobListModel::HasOwnerRole).toBool(), hasOwner);
        QCOMPARE(index.data(JobListModel::AccessibleDescriptionRole).toString(), description);
        QCOMPARE(index.data(JobListModel::IsSelectedRole).toBool(), true);
        QCOMPARE(index.data(JobListModel::DisplayIdentifierRole).toString(), displayIdentifier);
        QCOMPARE(model.roleNames().value(JobListModel::DisplayIdentifierRole), "displayIdentifier");
    }

    // The small print names the day relative to the clock, and a row
    // follows the day without a reload.
    void factsFollowTheDay_data()
    {
        TestTables::addColumns<int, QString, QStringList>("daysLater", "facts", "changes");
        QTest::newRow("same day") << 0 << u"heute, 23:59"_s << QStringList();
        QTest::newRow("after midnight") << 1 << u"gestern, 23:59"_s << QStringList {u"~0-0"_s};
        QTest::newRow("two days on") << 2 << u"08.12.2026, 23:59"_s << QStringList {u"~0-0"_s};
    }

    void factsFollowTheDay()
    {
        QFETCH(int, daysLater);
        QFETCH(QString, facts);
        QFETCH(QStringList, changes);

        const QDate submitted(2026, 12, 8);
        PrintJob job {u"A-1"_s, u"A"_s, std::nullopt, std::nullopt};
        job.submittedAt = QDateTime(submitted, QTime(23, 59));
        JobListModel model;
        model.update({entry(job, false)});
        model.setToday(submitted);
        const ChangeLog log(&model);
        model.setToday(submitted.addDays(daysLater));
        QCOMPARE(log.entries, changes);
        QCOMPARE(model.index(0).data(JobListModel::FactsRole).toString(), facts);
    }

    void selectionTouchesOnlyTheRowsItChanges()
    {
        PrintJobsViewModel model;
        QAbstractItemModelTester jobTester(model.selection()->jobModel(),
                                           QAbstractItemModelTester::FailureReportingMode::Fatal);
        QAbstractItemModelTester printerTester(model.selection()->destinationModel(),
                                               QAbstractItemModelTester::FailureReportingMode::Fatal);
        PrintJobsViewModelTestAccess::load(model, TestRecords::jobs({u"A-1"_s, u"B-2"_s, u"C-3"_s}),
                                           TestRecords::printers({u"A"_s, u"B"_s, u"C"_s, u"D"_s}));

        const ChangeLog jobs(model.selection()->jobModel());
        const ChangeLog printers(model.selection()->destinationModel());
        model.selection()->toggleJobSelectionAt(1);
        QCOMPARE(jobs.entries, QStringList {u"~1-1"_s});
        QCOMPARE(printers.entries, QStringList {u"-1-1"_s}); // B is no destination now
        QVERIFY(model.selection()->jobModel()->index(1).data(JobListModel::IsSelectedRole).toBool());

        model.selection()->chooseDestinationAt(2); // A, C, D: D
        QCOMPARE(model.selection()->selectedDestinationID(), u"D"_s);
        QCOMPARE(printers.entries, (QStringList {u"-1-1"_s, u"~2-2"_s}));
        QCOMPARE(jobs.entries, QStringList {u"~1-1"_s});

        model.selection()->toggleJobSelectionAt(1);
        QCOMPARE(printers.entries, (QStringList {u"-1-1"_s, u"~2-2"_s, u"+1-1"_s}));
        QCOMPARE(model.selection()->destinationModel()->index(3).data(PrinterListModel::IsSelectedRole).toBool(), true);
    }

    void reloadOfTheSameListingKeepsEveryRow()
    {
        FakeCupsTools tools;
        tools.setJobLines({u"A-1 anna 1"_s, u"A-2 anna 1"_s, u"B-3 bert 1"_s});
        tools.setPrinterNames({u"A"_s, u"B"_s, u"C"_s});
        PrintJobsViewModel model {CUPSService(tools.lpstatPath())};
        QAbstractItemModelTester jobTester(model.selection()->jobModel(),
                                           QAbstractItemModelTester::FailureReportingMode::Fatal);
        QAbstractItemModelTester printerTester(model.selection()->destinationModel(),
                                               QAbstractItemModelTester::FailureReportingMode::Fatal);
        const auto reload = [&model] {
            const QFuture<void> done = model.reload()->refresh();
            return QTest::qWaitFor([&done] { return done.isFinished(); }, 20'000);
        };
        QVERIFY(reload());
        model.selection()->toggleJobSelectionAt(0);

        const ChangeLog jobs(model.selection()->jobModel());
        const ChangeLog printers(model.selection()->destinationModel());
        QVERIFY(reload());
        QVERIFY(jobs.entries.isEmpty());
        QVERIFY(printers.entries.isEmpty());

        tools.setJobLines({u"A-1 anna 1"_s, u"B-3 bert 1"_s});
        QVERIFY(reload());
        QCOMPARE(jobs.entries, QStringList {u"-1-1"_s});
        QVERIFY(model.selection()->jobModel()->index(0).data(JobListModel::IsSelectedRole).toBool());
    }

    void rolesReachQml()
    {
        qml_register_types_Parvento_Model();
        QQmlEngine engine;
        QQmlComponent component(&engine);
        component.setData(R"(
            import QtQml
            import QtQml.Models
            import Parvento.Model
            QtObject {
                property PrintJobsViewModel viewModel: PrintJobsViewModel {}
                property PeriodicReloader reloader: PeriodicReloader { viewModel: viewModel }
                property list<string> jobs
                property list<string> printers
                property Instantiator jobRows: Instantiator {
                    model: viewModel.selection.jobModel
                    delegate: QtObject {
                        required property string identifier
                        required property string displayTitle
                        required property string sourcePrinterName
                        required property string owner
                        required property bool hasOwner
                        required property string accessibleDescription
                        required property bool isSelected
                        Component.onCompleted: jobs.push([identifier, displayTitle, sourcePrinterName, owner,
                                                          hasOwner, accessibleDescription, isSelected].join("|"))
                    }
                }
                property Instantiator printerRows: Instantiator {
                    model: viewModel.selection.destinationModel
                    delegate: QtObject {
                        required property string name
                        required property bool isSelected
                        Component.onCompleted: printers.push(name + "|" + isSelected)
                    }
                }
            })",
                          QUrl(u"qrc:/RolesReachQml.qml"_s));
        QTest::failOnWarning(QRegularExpression(u".*"_s));
        std::unique_ptr<QObject> root(component.create());
        QVERIFY2(root, qPrintable(component.errorString()));

        auto *model = root->property("viewModel").value<PrintJobsViewModel *>();
        QVERIFY(model);
        PrintJobsViewModelTestAccess::load(*model,
                                           {PrintJob {u"A-1"_s, u"A"_s, u"anna"_s, u"Bericht"_s},
                                            PrintJob {u"B-2"_s, u"B"_s, std::nullopt, std::nullopt}},
                                           TestRecords::printers({u"A"_s, u"C"_s}));
        model->selection()->toggleJobSelectionAt(1);
        model->selection()->chooseDestinationAt(1);
        root->setProperty("jobs", QStringList());
        root->setProperty("printers", QStringList());
        // Rebuild the delegates so they read the current rows.
        root->property("jobRows").value<QObject *>()->setProperty("active", false);
        root->property("jobRows").value<QObject *>()->setProperty("active", true);
        root->property("printerRows").value<QObject *>()->setProperty("active", false);
        root->property("printerRows").value<QObject *>()->setProperty("active", true);

        QCOMPARE(root->property("jobs").toStringList(),
                 (QStringList {u"A-1|Bericht|A|anna|true|A-1 · Quelle: A · Eigentümer: anna · Titel: Bericht|false"_s,
                               u"B-2|Druckauftrag|B||false|B-2 · Quelle: B|true"_s}));
        QCOMPARE(root->property("printers").toStringList(), (QStringList {u"A|false"_s, u"C|true"_s}));
    }
};

QTEST_GUILESS_MAIN(ListModelsTest)
#include "tst_listmodels.moc"
