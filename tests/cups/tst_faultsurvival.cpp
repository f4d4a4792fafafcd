// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
// Fault survival: the window model with the real scheduler and the real tools
// when CUPS misbehaves (the scheduler killed mid-way, a tool gone or broken,
// queue names a shell would misread). Whatever happens the model ends idle,
// tells the user, and the scheduler's own job list agrees with what the user
// was told: no job lost, none moved twice, nothing moved that was not chosen.

#include <DisplayText.h>
#include <ModelTexts.h>
#include <PathOverride.h>
#include <PrintJobsViewModel.h>
#include <PrivateCupsServer.h>
#include <TestFutures.h>
#include <TestModel.h>
#include <TestRecords.h>
#include <TestTables.h>
#include <ToolLocale.h>
#include <WrappedCupsTools.h>

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <optional>

#ifdef Q_OS_LINUX
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;
using TestFutures::finishes;
using TestModel::choose;
using TestRecords::identifiers;

namespace {

// Everything a shell would act on that lpadmin accepts in a queue name (it
// refuses blanks, quotes, '/', '\\', '?' and '#'). Run by a shell, each part
// would leave a file named "pwned" in the working directory.
const QString shellQueue = u"Semi;$(touch${IFS}pwned)|`touch${IFS}pwned`&>pwned*"_s;
const QString hebrewQueue = u"עברית"_s;

int jobNumber(const QString &identifier)
{
    return identifier.section(u'-', -1).toInt();
}

// Where the scheduler keeps each job: job number -> queue name. lpstat prints
// the identifiers of jobs in queues with non-ASCII names percent-encoded.
using Placement = QMap<int, QString>;

std::optional<Placement> placement(PrivateCupsServer &server)
{
    const std::optional<QStringList> identifiers = server.jobIdentifiers();
    if (!identifiers)
        return std::nullopt;
    Placement jobs;
    for (const QString &identifier : *identifiers) {
        const QString queue = identifier.first(identifier.lastIndexOf(u'-'));
        jobs.insert(jobNumber(identifier), QUrl::fromPercentEncoding(queue.toUtf8()));
    }
    return jobs;
}

// The listed identifier of the job with this number ("Büro-7" is listed as "B%C3%BCro-7").
QString listedIdentifier(const PrintJobsViewModel &model, const QString &submitted)
{
    for (const PrintJob &job : model.selection()->jobs()) {
        if (jobNumber(job.identifier) == jobNumber(submitted))
            return job.identifier;
    }
    return {};
}

// What the user was told when the move ended, before its closing reload
// could replace it.
struct MoveReport
{
    std::optional<AppNotice> notice;
    QString status;
};

std::optional<MoveReport> moveWatching(PrintJobsViewModel &model)
{
    std::optional<MoveReport> report;
    bool wasMoving = false;
    const QMetaObject::Connection watch = QObject::connect(model.work(), &CountedWork::isMovingChanged, [&] {
        if (wasMoving && !model.work()->isMoving() && !report)
            report = MoveReport {model.notices()->notice(), model.notices()->statusText()};
        wasMoving = model.work()->isMoving();
    });
    const bool finished = finishes(model.move()->moveSelectedJobs());
    QObject::disconnect(watch);
    return finished ? report : std::nullopt;
}

// The verdict on every move: the model idle, a report whose counts add up
// (moved + failed = selected) naming the first failures with their errors, and
// a scheduler whose jobs sit exactly where the report says.
void verifyMove(const PrintJobsViewModel &model, const std::optional<MoveReport> &report, const QStringList &selected,
                const QString &destination, const QMap<QString, QString> &failures, const Placement &before,
                const std::optional<Placement> &after)
{
    QVERIFY2(report, "the move did not end");
    QVERIFY(!model.work()->isMoving());
    QVERIFY(!model.reload()->isLoading());
    QVERIFY(report->notice);

    const qsizetype moved = selected.size() - failures.size();
    if (failures.isEmpty()) {
        QCOMPARE(report->status, u"%1 Auftrag bzw. Aufträge wurden an CUPS übergeben."_s.arg(moved));
        QCOMPARE(report->notice->message,
                 u"Alle ausgewählten Aufträge wurden an "_s + DisplayText::field(destination)
                     + u" übergeben. Die Listen werden aktualisiert."_s);
    } else {
        QCOMPARE(report->status,
                 u"%1 von %2 Auftrag bzw. Aufträgen wurden übergeben."_s.arg(moved).arg(selected.size()));
        QCOMPARE(report->notice->title, u"Nicht alle Aufträge konnten verschoben werden"_s);
        // When the closing reload failed, the report ends by saying so.
        QString message = report->notice->message;
        message.chop(message.endsWith(ModelTexts::moveNotChecked()) ? ModelTexts::moveNotChecked().size() + 2 : 0);
        const QStringList lines = message.split(u'\n');
        QCOMPARE(lines.first(),
                 moved == 0 ? u"Kein Auftrag konnte übergeben werden."_s
                            : u"%1 Auftrag bzw. Aufträge wurden übergeben."_s.arg(moved));
        // The first three failures in selection order, each with its own error.
        QStringList shown;
        for (const QString &identifier : selected) {
            if (failures.contains(identifier) && shown.size() < 3)
                shown.append(identifier);
        }
        QCOMPARE(lines.size(), 5 + shown.size());
        for (qsizetype i = 0; i < shown.size(); ++i) {
            const QString expected = u"• "_s + shown[i] + u": "_s + failures[shown[i]];
            QVERIFY2(lines[3 + i].startsWith(expected), qPrintable(lines[3 + i] + u"\nexpected: "_s + expected));
        }
    }

    QVERIFY(after);
    Placement expected = before;
    for (const QString &identifier : selected) {
        if (!failures.contains(identifier))
            expected[jobNumber(identifier)] = destination;
    }
    QCOMPARE(*after, expected);
}

// Job-listing detail lines, 50 MB of them.
QByteArray fiftyMegabytes()
{
    const QByteArray line = "\tAlerts: job-hold-until-specified\n";
    return line.repeated((50 << 20) / line.size());
}

QString noticeText(const CUPSServiceError &error)
{
    return error.errorDescription() + u"\n\n"_s + error.recoverySuggestion();
}

// Hiding a tool from every directory of the search takes a bind mount, made
// in a mount namespace of this process alone. Entered before any thread
// exists, so every later thread (and child) shares it; the mounts are made
// private first so that nothing reaches the rest of the machine.
bool enterPrivateMountNamespace()
{
#ifdef Q_OS_LINUX
    return ::geteuid() == 0 && ::unshare(CLONE_NEWNS) == 0
        && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
#else
    return false;
#endif
}

// Covers every lpmove of the fallback directories with /dev/null (not a
// file, so it fails the executable-file test) while it lives.
class HiddenLpmove
{
public:
    HiddenLpmove()
    {
#ifdef Q_OS_LINUX
        for (const QString &directory : {u"/usr/sbin"_s, u"/usr/bin"_s, u"/bin"_s, u"/sbin"_s}) {
            const QString tool = QFileInfo(directory + u"/lpmove"_s).canonicalFilePath();
            if (tool.isEmpty() || m_covered.contains(tool))
                continue;
            if (::mount("/dev/null", QFile::encodeName(tool).constData(), nullptr, MS_BIND, nullptr) == 0)
                m_covered.append(tool);
        }
#endif
    }
    ~HiddenLpmove()
    {
#ifdef Q_OS_LINUX
        for (const QString &tool : std::as_const(m_covered))
            ::umount2(QFile::encodeName(tool).constData(), 0);
#endif
    }
    Q_DISABLE_COPY_MOVE(HiddenLpmove)

    bool coversAll() const
    {
        for (const QString &directory : {u"/usr/sbin"_s, u"/usr/bin"_s, u"/bin"_s, u"/sbin"_s}) {
            if (QFileInfo(directory + u"/lpmove"_s).isFile())
                return false;
        }
        return true;
    }

private:
    QStringList m_covered;
};

} // namespace

class FaultSurvivalTest : public QObject
{
    Q_OBJECT

public:
    explicit FaultSurvivalTest(bool privateMounts)
        : m_privateMounts(privateMounts)
    { }

private Q_SLOTS:
    void initTestCase()
    {
        m_queues = {u"Laser"_s, u"Etage-2"_s, u"Büro"_s, u"Farbe"_s, u"-Dash"_s, hebrewQueue, shellQueue};
        QVERIFY2(m_server.start(m_queues), qPrintable(m_server.lastError()));
        // Children inherit it: a shell run anywhere would leave its files here.
        QVERIFY(m_workDirectory.isValid());
        QVERIFY(QDir::setCurrent(m_workDirectory.path()));
    }

    void cleanup()
    {
        QVERIFY2(QDir(m_workDirectory.path()).isEmpty(), "a queue name reached a shell");
        QVERIFY2(m_server.start(), qPrintable(m_server.lastError()));
    }

    void reloadSurvivesFaults_data()
    {
        QTest::addColumn<QString>("fault");
        // A pattern for the notice's message; empty when the reload succeeds.
        QTest::addColumn<QString>("message");

        const QString notRunning = u"ist mit Status 1 fehlgeschlagen\\. lpstat: Scheduler is not running\\.\n\n"_s
            + QRegularExpression::escape(u"Aktualisieren Sie die Listen und prüfen Sie die Druckzentrale."_s);
        QTest::newRow("scheduler killed as the job listing starts") << u"kill -o"_s << u"lpstat -o "_s + notRunning;
        // The job listing may have ended first; then the queue listing's error
        // is the one. Cut off in the middle of its answer, the job listing
        // says whatever libcups made of the closed socket ("lpstat: Success").
        QTest::newRow("scheduler killed as the queue listing starts")
            << u"kill -a"_s
            << u"lpstat -[oa] ist mit Status 1 fehlgeschlagen\\. lpstat: [^\n]+\n\n"_s
                + QRegularExpression::escape(u"Aktualisieren Sie die Listen und prüfen Sie die Druckzentrale."_s);
        QTest::newRow("lpstat not executable")
            << u"not executable"_s
            << QRegularExpression::escape(noticeText(CUPSServiceError::lpstatUnavailable(u"LPSTAT"_s)))
                   .replace(u"LPSTAT"_s, u".*/lpstat"_s);
        QTest::newRow("lpstat prints invalid UTF-8")
            << u"invalid UTF-8"_s
            << QRegularExpression::escape(noticeText(CUPSServiceError::unreadableOutput(u"lpstat -o"_s)));
        QTest::newRow("lpstat prints 50 MB") << u"50 MB"_s << QString();
    }

    void reloadSurvivesFaults()
    {
        QFETCH(QString, fault);
        QFETCH(QString, message);

        for (const QString &queue : {u"Laser"_s, u"Etage-2"_s})
            QVERIFY(!submit(queue).isEmpty());
        PrintJobsViewModel model {CUPSService(m_tools.lpstatPath())};
        QVERIFY(finishes(model.reload()->refresh()));
        QVERIFY2(!model.notices()->notice(), qPrintable(model.notices()->shown().message));
        choose(model, {model.selection()->jobs().first().identifier}, u"Büro"_s);
        const std::optional<Placement> before = placement(m_server);
        QVERIFY(before);

        if (fault.startsWith(u"kill "_s))
            m_tools.killBeforeLpstat({fault.sliced(5)}, m_server.processId());
        else if (fault == u"not executable"_s)
            m_tools.setLpstatExecutable(false);
        else if (fault == u"invalid UTF-8"_s)
            m_tools.setLpstatTrailer("Laser-999 anna 1024 Gr\xfc\xdf\x65\n"); // "Grüße" in Latin-1
        else
            m_tools.setLpstatTrailer(fiftyMegabytes());

        QVERIFY(finishes(model.reload()->refresh()));
        m_tools.setLpstatExecutable(true);
        m_tools.setLpstatTrailer({});
        QVERIFY2(m_server.start(), qPrintable(m_server.lastError()));

        QVERIFY(!model.reload()->isLoading());
        QVERIFY(!model.work()->isMoving());
        if (message.isEmpty()) {
            QVERIFY2(!model.notices()->notice(), qPrintable(model.notices()->shown().message));
            QCOMPARE(identifiers(model.selection()->jobs()), listedByScheduler());
            QCOMPARE(model.selection()->printers().size(), m_queues.size());
            QCOMPARE(model.selection()->selectedJobIDs().size(), 1);
        } else {
            QVERIFY(model.notices()->notice());
            QCOMPARE(model.notices()->notice()->title, u"CUPS nicht verfügbar"_s);
            const QRegularExpression pattern(QRegularExpression::anchoredPattern(message));
            QVERIFY2(pattern.match(model.notices()->notice()->message).hasMatch(),
                     qPrintable(model.notices()->notice()->message));
            QCOMPARE(model.notices()->statusText(), u"CUPS-Daten konnten nicht geladen werden."_s);
            QVERIFY(model.selection()->jobs().isEmpty());
            QVERIFY(model.selection()->printers().isEmpty());
            QVERIFY(model.selection()->selectedJobIDs().isEmpty());
        }
        QCOMPARE(placement(m_server), before);

        // With the fault gone the next reload lists what the scheduler holds.
        model.notices()->dismiss();
        QVERIFY(finishes(model.reload()->refresh()));
        QVERIFY2(!model.notices()->notice(), qPrintable(model.notices()->shown().message));
        QCOMPARE(identifiers(model.selection()->jobs()), listedByScheduler());
        QCOMPARE(model.notices()->statusText(),
                 u"%1 Auftrag bzw. Aufträge und %2 Drucker geladen."_s.arg(model.selection()->jobs().size())
                     .arg(m_queues.size()));
    }

    // The jobs handed over before the scheduler died stay moved; every later
    // one fails with lpmove's own error; nothing is tried twice.
    void schedulerKilledInTheMiddleOfAMove()
    {
        QStringList selected;
        for (int i = 0; i < 20; ++i)
            selected.append(submit(i % 2 ? u"Laser"_s : u"Etage-2"_s));
        QVERIFY(!selected.contains(QString()));
        PrintJobsViewModel model {CUPSService(m_tools.lpstatPath())};
        QVERIFY(finishes(model.reload()->refresh()));
        choose(model, selected, u"Farbe"_s);
        QCOMPARE(model.selection()->selectedJobIDs().size(), 20);
        const std::optional<Placement> before = placement(m_server);
        QVERIFY(before);
        const qsizetype callsBefore = m_tools.lpmoveCalls().size();

        constexpr int survivingMoves = 8;
        m_tools.killAfterLpmove(int(callsBefore) + survivingMoves, m_server.processId());
        const std::optional<MoveReport> report = moveWatching(model);
        // The closing reload found no scheduler: the report stands first, then
        // that notice.
        QVERIFY(model.notices()->notice());
        QVERIFY(model.notices()->notice()->message.endsWith(ModelTexts::moveNotChecked()));
        model.notices()->dismiss();
        QCOMPARE(model.notices()->notice()->title, u"CUPS nicht verfügbar"_s);
        QVERIFY(model.selection()->jobs().isEmpty());
        QVERIFY2(m_server.start(), qPrintable(m_server.lastError()));

        const QList<WrappedCupsTools::MoveCall> calls = m_tools.lpmoveCalls().mid(callsBefore);
        QStringList tried;
        QMap<QString, QString> failures;
        for (const WrappedCupsTools::MoveCall &call : calls) {
            QCOMPARE(call.arguments.size(), 2);
            QCOMPARE(call.arguments[1], u"Farbe"_s);
            tried.append(call.arguments[0]);
            if (call.status != 0)
                failures.insert(call.arguments[0], u"lpmove ist mit Status 1 fehlgeschlagen. lpmove: "_s);
        }
        QCOMPARE(tried, selected);
        QCOMPARE(failures.size(), 20 - survivingMoves);
        verifyMove(model, report, selected, u"Farbe"_s, failures, *before, placement(m_server));

        model.notices()->dismiss();
        QVERIFY(finishes(model.reload()->refresh()));
        QCOMPARE(identifiers(model.selection()->jobs()), listedByScheduler());
    }

    void lpmoveGoneBetweenReloadAndMove_data()
    {
        TestTables::addBoolRows("goneEverywhere", "gone from PATH, still in a fallback directory",
                                "gone from every directory");
    }

    // Each job looks for lpmove afresh: the fallback directories still count,
    // and when there is none at all every job fails and none is touched.
    void lpmoveGoneBetweenReloadAndMove()
    {
        QFETCH(bool, goneEverywhere);
        if (goneEverywhere && !m_privateMounts)
            QSKIP("hiding the system's lpmove needs root and a private mount namespace");

        QStringList selected;
        for (const QString &queue : {u"Laser"_s, u"Etage-2"_s, u"Laser"_s})
            selected.append(submit(queue));
        QVERIFY(!selected.contains(QString()));
        PrintJobsViewModel model {CUPSService(m_tools.lpstatPath())};
        QVERIFY(finishes(model.reload()->refresh()));
        QCOMPARE(model.reload()->lpmovePath(), m_tools.lpmovePath());
        choose(model, selected, u"Büro"_s);
        const std::optional<Placement> before = placement(m_server);
        QVERIFY(before);
        const qsizetype callsBefore = m_tools.lpmoveCalls().size();

        std::optional<PathOverride> path(std::in_place, "/usr/bin:/bin");
        const QString fallbackLpmove = PrivateCupsServer::toolPath(u"lpmove"_s);
        std::optional<MoveReport> report;
        {
            std::optional<HiddenLpmove> hidden;
            if (goneEverywhere) {
                hidden.emplace();
                QVERIFY(hidden->coversAll());
            }
            report = moveWatching(model);
        }
        const QString lpmovePathAfterMove = model.reload()->lpmovePathText();
        const std::optional<AppNotice> reportAfterMove = model.notices()->notice();
        model.notices()->dismiss();
        const std::optional<AppNotice> noticeAfterMove = model.notices()->notice();
        path.reset();

        QCOMPARE(m_tools.lpmoveCalls().size(), callsBefore);
        QMap<QString, QString> failures;
        if (goneEverywhere) {
            for (const QString &identifier : std::as_const(selected))
                failures.insert(identifier, CUPSServiceError::lpmoveUnavailable().errorDescription());
            // The closing reload needs lpmove as well: its failure follows the report.
            QVERIFY(reportAfterMove->message.endsWith(ModelTexts::moveNotChecked()));
            QCOMPARE(noticeAfterMove->title, u"CUPS nicht verfügbar"_s);
            QCOMPARE(noticeAfterMove->message, noticeText(CUPSServiceError::lpmoveUnavailable()));
        } else {
            QCOMPARE(lpmovePathAfterMove, fallbackLpmove);
        }
        verifyMove(model, report, selected, u"Büro"_s, failures, *before, placement(m_server));
    }

    void namesReachLpmoveVerbatim_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("destination");
        QTest::newRow("shell syntax as destination") << u"Büro"_s << shellQueue;
        QTest::newRow("shell syntax in the job identifier, right-to-left destination") << shellQueue << hebrewQueue;
        QTest::newRow("percent-encoded job identifier, umlaut destination") << hebrewQueue << u"Büro"_s;
    }

    // No shell anywhere: lpmove receives the identifier exactly as lpstat
    // listed it and the destination exactly as lpstat -a named it.
    void namesReachLpmoveVerbatim()
    {
        QFETCH(QString, source);
        QFETCH(QString, destination);

        const QString submitted = submit(source);
        QVERIFY(!submitted.isEmpty());
        PrintJobsViewModel model {CUPSService(m_tools.lpstatPath())};
        QVERIFY(finishes(model.reload()->refresh()));
        const QString identifier = listedIdentifier(model, submitted);
        QVERIFY(!identifier.isEmpty());
        choose(model, {identifier}, destination);
        QVERIFY(model.move()->canRequest());
        const std::optional<Placement> before = placement(m_server);
        QVERIFY(before);

        const std::optional<MoveReport> report = moveWatching(model);
        QCOMPARE(m_tools.lpmoveCalls().last().arguments, (QStringList {identifier, destination}));
        verifyMove(model, report, {identifier}, destination, {}, *before, placement(m_server));
        QCOMPARE(identifiers(model.selection()->jobs()), listedByScheduler());
    }

    void refusedArguments_data()
    {
        // The queue of the job that is refused, or of the first one when the destination is.
        QTest::addColumn<QString>("queue");
        QTest::addColumn<QString>("destination");
        // Farbe rows: a queue is named like the refused job, in the same letter
        // case or in lower case (CUPS ignores the case of ASCII letters).
        QTest::addColumn<bool>("lowerCaseClash");
        QTest::newRow("job of a queue whose name begins with a dash") << u"-Dash"_s << u"Büro"_s << false;
        QTest::newRow("destination whose name begins with a dash") << u"Etage-2"_s << u"-Dash"_s << false;
        QTest::newRow("job identifier that also names a queue") << u"Farbe"_s << u"Büro"_s << false;
        QTest::newRow("job identifier that names a queue in other letter case") << u"Farbe"_s << u"Büro"_s << true;
    }

    // lpmove has no "--": "-Dash" would be read as options, and a job
    // identifier that names a queue as "every job of that queue". Such a job
    // fails on its own with a clear reason, lpmove never sees it, and the
    // others of the selection move.
    void refusedArguments()
    {
        QFETCH(QString, queue);
        QFETCH(QString, destination);
        QFETCH(bool, lowerCaseClash);

        const QString refused = submit(queue);
        const QString other = submit(u"Laser"_s);
        QVERIFY(!refused.isEmpty() && !other.isEmpty());
        if (queue == u"Farbe"_s) {
            // A queue named like the job, holding somebody's jobs of its own.
            const QString clashing = lowerCaseClash ? refused.toLower() : refused;
            QVERIFY(addQueue(clashing));
            for (int i = 0; i < 2; ++i)
                QVERIFY(!submit(clashing).isEmpty());
        }
        PrintJobsViewModel model {CUPSService(m_tools.lpstatPath())};
        QVERIFY(finishes(model.reload()->refresh()));
        const QStringList selected {refused, other};
        choose(model, selected, destination);
        QCOMPARE(model.selection()->selectedJobIDs().size(), 2);
        QVERIFY(model.move()->canRequest());
        const std::optional<Placement> before = placement(m_server);
        QVERIFY(before);
        const qsizetype callsBefore = m_tools.lpmoveCalls().size();

        const std::optional<MoveReport> report = moveWatching(model);

        QMap<QString, QString> failures;
        if (destination.startsWith(u'-')) {
            for (const QString &identifier : selected)
                failures.insert(identifier, CUPSServiceError::optionLikeArgument(destination).errorDescription());
        } else if (refused.startsWith(u'-')) {
            failures.insert(refused, CUPSServiceError::optionLikeArgument(refused).errorDescription());
        } else {
            failures.insert(refused, CUPSServiceError::jobNamedLikeQueue(refused).errorDescription());
        }
        for (const WrappedCupsTools::MoveCall &call : m_tools.lpmoveCalls().mid(callsBefore))
            QVERIFY2(!failures.contains(call.arguments.value(0)) && !call.arguments.value(1).startsWith(u'-'),
                     qPrintable(call.arguments.join(u' ')));
        verifyMove(model, report, selected, destination, failures, *before, placement(m_server));
    }

private:
    // The identifier lp reported, or empty.
    QString submit(const QString &queue)
    {
        const std::optional<QString> identifier = m_server.submitHeldJob(queue);
        if (!identifier)
            qWarning("%s", qPrintable(m_server.lastError()));
        return identifier.value_or(QString());
    }

    // What the model must list after a reload.
    QStringList listedByScheduler()
    {
        return m_server.jobIdentifiers().value_or(QStringList {u"(lpstat -o failed)"_s});
    }

    bool addQueue(const QString &name)
    {
        if (!m_server.addQueue(name)) {
            qWarning("%s", qPrintable(m_server.lastError()));
            return false;
        }
        m_queues.append(name);
        return true;
    }

    // The tools print English whatever the machine's locale.
    ToolLocale m_locale {"C.UTF-8"};
    PrivateCupsServer m_server;
    WrappedCupsTools m_tools;
    QTemporaryDir m_workDirectory;
    QStringList m_queues;
    bool m_privateMounts;
};

int main(int argc, char **argv)
{
    const bool privateMounts = enterPrivateMountNamespace();
    QCoreApplication app(argc, argv);
    FaultSurvivalTest test(privateMounts);
    return QTest::qExec(&test, argc, argv);
}

#include "tst_faultsurvival.moc"
