#include "PrintJobsViewModel.h"

#include "WhenFinished.h"

#include <TextRules.h>

#include <QPointer>
#include <QPromise>

#include <algorithm>
#include <memory>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

QString readyStatusText()
{
    return u"Bereit zum Laden der CUPS-Aufträge."_s;
}

QString loadedStatusText(qsizetype jobCount, qsizetype printerCount)
{
    if (jobCount == 0)
        return u"Keine wartenden Druckaufträge gefunden."_s;
    return QString::number(jobCount) + u" Auftrag bzw. Aufträge und "_s + QString::number(printerCount)
        + u" Drucker geladen."_s;
}

// Plain text order: Unicode scalar values. UTF-16 code units compare the
// same way except that a surrogate (a character beyond U+FFFF) must sort after
// U+E000..U+FFFF, so those two ranges swap places at the first difference.
bool codePointLess(QStringView lhs, QStringView rhs)
{
    const auto rank = [](char16_t unit) -> char16_t {
        if (unit >= 0xE000)
            return unit - 0x800;
        if (unit >= 0xD800)
            return unit + 0x2000;
        return unit;
    };
    const qsizetype common = std::min(lhs.size(), rhs.size());
    for (qsizetype i = 0; i < common; ++i) {
        if (lhs[i] != rhs[i])
            return rank(lhs[i].unicode()) < rank(rhs[i].unicode());
    }
    return lhs.size() < rhs.size();
}

} // namespace

// One reload. It holds what it needs itself and reaches the model only
// through a QPointer, so a window closed mid-way leaves nothing dangling: the
// tool runs already started end, nothing further is started, and the
// returned future still finishes.
struct PrintJobsViewModel::RefreshRun
{
    QPointer<PrintJobsViewModel> model;
    CUPSService service;
    QPromise<void> promise;

    static void start(const std::shared_ptr<RefreshRun> &run)
    {
        run->promise.start();
        whenFinished(run->service.preflight(), [run](const std::optional<CUPSResult<CUPSAvailability>> &outcome) {
            if (!run->model)
                return run->promise.finish();
            if (!outcome)
                return fail(run, WorkflowError::unexpected());
            if (!*outcome)
                return fail(run, WorkflowError(outcome->error()));
            list(run, (*outcome)->lpmoveURL);
        });
    }

    static void list(const std::shared_ptr<RefreshRun> &run, const QString &lpmovePath)
    {
        // Both listings run at once; the jobs are awaited first.
        const QFuture<CUPSResult<QList<PrintJob>>> jobs = run->service.listJobs();
        const QFuture<CUPSResult<QList<Printer>>> printers = run->service.listPrinters();
        whenFinished(jobs, [run, printers, lpmovePath](const std::optional<CUPSResult<QList<PrintJob>>> &jobResult) {
            if (!jobResult || !*jobResult) {
                const WorkflowError error = jobResult ? WorkflowError(jobResult->error()) : WorkflowError::unexpected();
                // The printer listing is already under way: let it end, then drop it.
                whenFinished(printers, [run, error](const auto &) { fail(run, error); });
                return;
            }
            whenFinished(printers,
                         [run, lpmovePath,
                          jobList = **jobResult](const std::optional<CUPSResult<QList<Printer>>> &printerResult) {
                             if (!printerResult)
                                 return fail(run, WorkflowError::unexpected());
                             if (!*printerResult)
                                 return fail(run, WorkflowError(printerResult->error()));
                             succeed(run, jobList, **printerResult, lpmovePath);
                         });
        });
    }

    static void succeed(const std::shared_ptr<RefreshRun> &run, const QList<PrintJob> &jobs,
                        const QList<Printer> &printers, const QString &lpmovePath)
    {
        if (PrintJobsViewModel *model = run->model) {
            model->setJobs(jobs);
            model->setPrinters(printers);
            model->setLpmovePath(lpmovePath);
            model->retainValidSelections();
            model->setStatusText(loadedStatusText(jobs.size(), printers.size()));
            model->setLoading(false);
        }
        run->promise.finish();
    }

    static void fail(const std::shared_ptr<RefreshRun> &run, const WorkflowError &error)
    {
        if (PrintJobsViewModel *model = run->model) {
            model->setJobs({});
            model->setPrinters({});
            model->setSelectedJobIDs({});
            model->setSelectedDestinationID(std::nullopt);
            model->setStatusText(u"CUPS-Daten konnten nicht geladen werden."_s);
            model->present(error, u"CUPS nicht verfügbar"_s);
            model->setLoading(false);
        }
        run->promise.finish();
    }
};

// One move, job after job. Once confirmed it hands every job of its snapshot
// to CUPS even when the window goes away meanwhile; only the report and the
// closing reload need the model.
struct PrintJobsViewModel::MoveRun
{
    QPointer<PrintJobsViewModel> model;
    CUPSService service;
    QList<PrintJob> jobs;
    Printer destination;
    QList<Printer> knownQueues;
    QList<PrintJob> moved;
    QList<std::pair<PrintJob, WorkflowError>> failures;
    qsizetype next = 0;
    QPromise<void> promise;

    static void start(const std::shared_ptr<MoveRun> &run)
    {
        run->promise.start();
        moveNext(run);
    }

    static void moveNext(const std::shared_ptr<MoveRun> &run)
    {
        if (run->next == run->jobs.size())
            return report(run);
        const PrintJob &job = run->jobs.at(run->next);
        whenFinished(run->service.moveJob(job, run->destination, run->knownQueues),
                     [run](const std::optional<CUPSResult<void>> &outcome) {
                         const PrintJob &job = run->jobs.at(run->next);
                         if (outcome && *outcome)
                             run->moved.append(job);
                         else
                             run->failures.append(
                                 {job, outcome ? WorkflowError(outcome->error()) : WorkflowError::unexpected()});
                         ++run->next;
                         moveNext(run);
                     });
    }

    static void report(const std::shared_ptr<MoveRun> &run)
    {
        PrintJobsViewModel *model = run->model;
        if (!model)
            return run->promise.finish();

        const qsizetype moved = run->moved.size();
        const QString movedText = QString::number(moved);
        if (run->failures.isEmpty()) {
            const QString title = moved == 1 ? u"Auftrag verschoben"_s : movedText + u" Aufträge verschoben"_s;
            model->setNotice(AppNotice::make(title,
                                             u"Alle ausgewählten Aufträge wurden an "_s + run->destination.name
                                                 + u" übergeben. Die Listen werden aktualisiert."_s));
            model->setStatusText(movedText + u" Auftrag bzw. Aufträge wurden an CUPS übergeben."_s);
        } else {
            const QString lead = moved == 0 ? u"Kein Auftrag konnte übergeben werden."_s
                                            : movedText + u" Auftrag bzw. Aufträge wurden übergeben."_s;
            QStringList lines;
            for (const auto &[job, error] : run->failures.first(std::min<qsizetype>(3, run->failures.size())))
                lines.append(u"• "_s + job.identifier + u": "_s + error.description());
            model->setNotice(AppNotice::make(u"Nicht alle Aufträge konnten verschoben werden"_s,
                                             lead + u"\n\nNicht verschoben:\n"_s + lines.join(u'\n')
                                                 + u"\n\nDie Listen werden aktualisiert."_s));
            model->setStatusText(movedText + u" von "_s + QString::number(run->jobs.size())
                                 + u" Auftrag bzw. Aufträgen wurden übergeben."_s);
        }
        model->setMoving(false);
        whenFinished(model->refresh(), [run] { run->promise.finish(); });
    }
};

PrintJobsViewModel::PrintJobsViewModel(QObject *parent)
    : PrintJobsViewModel(CUPSService(), parent)
{ }

PrintJobsViewModel::PrintJobsViewModel(const CUPSService &service, QObject *parent)
    : QObject(parent)
    , m_service(service)
    , m_statusText(readyStatusText())
    , m_jobModel(new JobListModel(this))
    , m_destinationModel(new PrinterListModel(this))
{ }

PrintJobsViewModel::~PrintJobsViewModel() = default;

// Stored state.

const QList<PrintJob> &PrintJobsViewModel::jobs() const
{
    return m_jobs;
}

const QList<Printer> &PrintJobsViewModel::printers() const
{
    return m_printers;
}

const QSet<QString> &PrintJobsViewModel::selectedJobIDs() const
{
    return m_selectedJobIDs;
}

const std::optional<QString> &PrintJobsViewModel::selectedDestinationID() const
{
    return m_selectedDestinationID;
}

bool PrintJobsViewModel::isLoading() const
{
    return m_isLoading;
}

bool PrintJobsViewModel::isMoving() const
{
    return m_isMoving;
}

bool PrintJobsViewModel::isShowingMoveConfirmation() const
{
    return m_isShowingMoveConfirmation;
}

const std::optional<AppNotice> &PrintJobsViewModel::notice() const
{
    return m_notice;
}

const QString &PrintJobsViewModel::statusText() const
{
    return m_statusText;
}

const std::optional<QString> &PrintJobsViewModel::lpmovePath() const
{
    return m_lpmovePath;
}

// Writes: store, bring the row models up to date, then one changed() per write,
// also when the value did not change.

void PrintJobsViewModel::setJobs(const QList<PrintJob> &jobs)
{
    m_jobs = jobs;
    m_jobKeys.clear();
    m_jobKeys.reserve(jobs.size());
    m_jobSourceKeys.clear();
    m_jobSourceKeys.reserve(jobs.size());
    for (const PrintJob &job : jobs) {
        m_jobKeys.append(TextRules::canonical(job.identifier));
        m_jobSourceKeys.append(TextRules::canonical(job.sourcePrinterName));
    }
    updateSelectionFlags();
    syncJobModel();
    syncDestinationModel();
    Q_EMIT changed();
}

void PrintJobsViewModel::setPrinters(const QList<Printer> &printers)
{
    m_printers = printers;
    m_printerKeys.clear();
    m_printerKeys.reserve(printers.size());
    for (const Printer &printer : printers)
        m_printerKeys.append(TextRules::canonical(printer.name));
    syncDestinationModel();
    Q_EMIT changed();
}

void PrintJobsViewModel::setSelectedJobIDs(QSet<QString> identifiers)
{
    m_selectedJobIDs = std::move(identifiers);
    updateSelectionFlags();
    m_jobModel->updateSelection(m_jobSelected);
    syncDestinationModel();
    Q_EMIT changed();
}

void PrintJobsViewModel::setSelectedDestinationID(const std::optional<QString> &name)
{
    m_selectedDestinationID = name;
    syncDestinationModel();
    Q_EMIT changed();
}

void PrintJobsViewModel::setLoading(bool loading)
{
    m_isLoading = loading;
    Q_EMIT changed();
}

void PrintJobsViewModel::setMoving(bool moving)
{
    m_isMoving = moving;
    Q_EMIT changed();
}

void PrintJobsViewModel::setShowingMoveConfirmation(bool showing)
{
    m_isShowingMoveConfirmation = showing;
    Q_EMIT changed();
}

void PrintJobsViewModel::setNotice(const std::optional<AppNotice> &notice)
{
    m_notice = notice;
    Q_EMIT changed();
}

void PrintJobsViewModel::setStatusText(const QString &text)
{
    m_statusText = text;
    Q_EMIT changed();
}

void PrintJobsViewModel::setLpmovePath(const std::optional<QString> &path)
{
    m_lpmovePath = path;
    Q_EMIT changed();
}

void PrintJobsViewModel::updateSelectionFlags()
{
    m_jobSelected.resize(m_jobs.size());
    for (qsizetype i = 0; i < m_jobs.size(); ++i)
        m_jobSelected[i] = m_selectedJobIDs.contains(m_jobKeys.at(i));
}

void PrintJobsViewModel::syncJobModel()
{
    m_jobModel->update(m_jobs, m_jobKeys, m_selectedJobIDs);
}

void PrintJobsViewModel::syncDestinationModel()
{
    const QSet<QString> sources = selectedSourceKeys();
    QList<Printer> printers;
    QList<QString> keys;
    printers.reserve(m_printers.size());
    keys.reserve(m_printers.size());
    for (qsizetype i = 0; i < m_printers.size(); ++i) {
        if (!sources.contains(m_printerKeys.at(i))) {
            printers.append(m_printers.at(i));
            keys.append(m_printerKeys.at(i));
        }
    }
    std::optional<QString> selectedKey;
    if (m_selectedDestinationID)
        selectedKey = TextRules::canonical(*m_selectedDestinationID);
    m_destinationModel->update(printers, keys, selectedKey);
}

// Derived values, computed on every read.

QSet<QString> PrintJobsViewModel::selectedSourceKeys() const
{
    QSet<QString> sources;
    if (m_selectedJobIDs.isEmpty())
        return sources;
    for (qsizetype i = 0; i < m_jobs.size(); ++i) {
        if (m_jobSelected.at(i))
            sources.insert(m_jobSourceKeys.at(i));
    }
    return sources;
}

qsizetype PrintJobsViewModel::selectedDestinationIndex() const
{
    if (!m_selectedDestinationID)
        return -1;
    const QString key = TextRules::canonical(*m_selectedDestinationID);
    const auto found = std::find(m_printerKeys.cbegin(), m_printerKeys.cend(), key);
    return found == m_printerKeys.cend() ? -1 : found - m_printerKeys.cbegin();
}

QList<PrintJob> PrintJobsViewModel::selectedJobs() const
{
    QList<PrintJob> selected;
    if (m_selectedJobIDs.isEmpty())
        return selected;
    for (qsizetype i = 0; i < m_jobs.size(); ++i) {
        if (m_jobSelected.at(i))
            selected.append(m_jobs.at(i));
    }
    return selected;
}

std::optional<Printer> PrintJobsViewModel::selectedDestination() const
{
    const qsizetype index = selectedDestinationIndex();
    if (index < 0)
        return std::nullopt;
    return m_printers.at(index);
}

QSet<QString> PrintJobsViewModel::selectedSourcePrinterNames() const
{
    // Canonically equal names count once; the first spelling stands for them.
    QSet<QString> names;
    QSet<QString> seen;
    if (m_selectedJobIDs.isEmpty())
        return names;
    for (qsizetype i = 0; i < m_jobs.size(); ++i) {
        if (!m_jobSelected.at(i) || seen.contains(m_jobSourceKeys.at(i)))
            continue;
        seen.insert(m_jobSourceKeys.at(i));
        names.insert(m_jobs.at(i).sourcePrinterName);
    }
    return names;
}

QList<Printer> PrintJobsViewModel::destinationPrinters() const
{
    const QSet<QString> sources = selectedSourceKeys();
    if (sources.isEmpty())
        return m_printers;
    QList<Printer> destinations;
    destinations.reserve(m_printers.size());
    for (qsizetype i = 0; i < m_printers.size(); ++i) {
        if (!sources.contains(m_printerKeys.at(i)))
            destinations.append(m_printers.at(i));
    }
    return destinations;
}

bool PrintJobsViewModel::canRequestMove() const
{
    // A job is selected exactly when some source queue is.
    const QSet<QString> sources = selectedSourceKeys();
    if (sources.isEmpty())
        return false;
    const qsizetype destination = selectedDestinationIndex();
    if (destination < 0 || m_isLoading || m_isMoving)
        return false;
    return !sources.contains(m_printerKeys.at(destination));
}

QString PrintJobsViewModel::confirmationMessage() const
{
    const QList<PrintJob> jobs = selectedJobs();
    const std::optional<Printer> destination = selectedDestination();
    if (jobs.isEmpty() || !destination)
        return {};
    const QString head = jobs.size() == 1 ? u"1 Druckauftrag"_s : QString::number(jobs.size()) + u" Druckaufträge"_s;
    QStringList lines;
    lines.reserve(jobs.size());
    for (const PrintJob &job : jobs)
        lines.append(u"• "_s + job.identifier + u"  ("_s + job.sourcePrinterName + u')');
    return head + u" werden verschoben:\n\n"_s + lines.join(u'\n') + u"\n\nNach: "_s + destination->name
        + u"\n\nPapierformat und Treiberoptionen können am Zieldrucker abweichen."_s;
}

// Selection rules.

void PrintJobsViewModel::toggleJobSelection(const PrintJob &job)
{
    const QString key = TextRules::canonical(job.identifier);
    // Taken out rather than copied: a click must not copy a large selection.
    QSet<QString> selection = std::exchange(m_selectedJobIDs, {});
    if (!selection.remove(key))
        selection.insert(key);
    setSelectedJobIDs(std::move(selection));

    const qsizetype destination = selectedDestinationIndex();
    if (destination < 0)
        return;
    if (selectedSourceKeys().contains(m_printerKeys.at(destination)))
        setSelectedDestinationID(std::nullopt);
}

void PrintJobsViewModel::retainValidSelections()
{
    QSet<QString> listed;
    listed.reserve(m_jobKeys.size());
    for (const QString &key : std::as_const(m_jobKeys))
        listed.insert(key);
    setSelectedJobIDs(m_selectedJobIDs & listed);

    // The destination must still be offered: listed, and not the queue of a
    // job that stays selected.
    const qsizetype destination = selectedDestinationIndex();
    if (destination >= 0 && !selectedSourceKeys().contains(m_printerKeys.at(destination)))
        return;
    setSelectedDestinationID(std::nullopt);
}

void PrintJobsViewModel::present(const WorkflowError &error, const QString &title)
{
    const std::optional<QString> suggestion = error.recoverySuggestion();
    const QString description = error.description();
    setNotice(AppNotice::make(title, suggestion ? description + u"\n\n"_s + *suggestion : description));
}

// Workflows.

QFuture<void> PrintJobsViewModel::refresh()
{
    if (isBusy())
        return QtFuture::makeReadyFuture();
    setLoading(true);
    auto run = std::make_shared<RefreshRun>(RefreshRun {this, m_service, QPromise<void>()});
    QFuture<void> done = run->promise.future();
    RefreshRun::start(run);
    return done;
}

QFuture<void> PrintJobsViewModel::moveSelectedJobs()
{
    QList<PrintJob> jobs = selectedJobs();
    if (jobs.isEmpty())
        return QtFuture::makeReadyFuture();
    std::optional<Printer> destination = selectedDestination();
    if (!destination || isBusy())
        return QtFuture::makeReadyFuture();

    setShowingMoveConfirmation(false);
    setMoving(true);
    auto run = std::make_shared<MoveRun>();
    run->model = this;
    run->service = m_service;
    run->jobs = std::move(jobs);
    run->destination = std::move(*destination);
    run->knownQueues = m_printers;
    QFuture<void> done = run->promise.future();
    trackMove(done);
    MoveRun::start(run);
    return done;
}

namespace {

// Only touched on the UI thread.
QList<QFuture<void>> &runningMoves()
{
    static QList<QFuture<void>> moves;
    moves.removeIf([](const QFuture<void> &move) { return move.isFinished(); });
    return moves;
}

} // namespace

void PrintJobsViewModel::trackMove(const QFuture<void> &move)
{
    runningMoves().append(move);
}

QFuture<void> PrintJobsViewModel::whenAllMovesFinished()
{
    QList<QFuture<void>> moves = runningMoves();
    if (moves.isEmpty())
        return QtFuture::makeReadyFuture();
    return QtFuture::whenAll(moves.begin(), moves.end()).then([](const QList<QFuture<void>> &) {});
}

// QML entry points. Rows are disabled while a workflow runs; the guards here
// keep a late click from slipping through as well.

void PrintJobsViewModel::toggleJobSelectionAt(int row)
{
    if (isBusy() || row < 0 || row >= m_jobModel->count())
        return;
    toggleJobSelection(m_jobModel->jobAt(row));
}

void PrintJobsViewModel::chooseDestinationAt(int row)
{
    if (isBusy() || row < 0 || row >= m_destinationModel->count())
        return;
    setSelectedDestinationID(m_destinationModel->printerAt(row).name);
}

void PrintJobsViewModel::startRefresh()
{
    refresh();
}

void PrintJobsViewModel::startMove()
{
    moveSelectedJobs();
}

void PrintJobsViewModel::requestMoveConfirmation()
{
    if (canRequestMove())
        setShowingMoveConfirmation(true);
}

void PrintJobsViewModel::dismissNotice()
{
    setNotice(std::nullopt);
}

// QML-facing readers.

QString PrintJobsViewModel::lpmovePathText() const
{
    return m_lpmovePath.value_or(QString());
}

bool PrintJobsViewModel::hasLpmovePath() const
{
    return m_lpmovePath.has_value();
}

QString PrintJobsViewModel::selectedDestinationIDText() const
{
    return m_selectedDestinationID.value_or(QString());
}

void PrintJobsViewModel::setSelectedDestinationIDText(const QString &name)
{
    // Queue names are never empty, so the empty text stands for "none".
    setSelectedDestinationID(name.isEmpty() ? std::nullopt : std::optional<QString>(name));
}

bool PrintJobsViewModel::hasNotice() const
{
    return m_notice.has_value();
}

QString PrintJobsViewModel::noticeIDText() const
{
    return m_notice ? m_notice->id.toString(QUuid::WithoutBraces) : QString();
}

QString PrintJobsViewModel::noticeTitle() const
{
    return m_notice ? m_notice->title : QString();
}

QString PrintJobsViewModel::noticeMessage() const
{
    return m_notice ? m_notice->message : QString();
}

int PrintJobsViewModel::jobCount() const
{
    return int(m_jobs.size());
}

int PrintJobsViewModel::selectedJobCount() const
{
    return int(std::count(m_jobSelected.cbegin(), m_jobSelected.cend(), true));
}

QString PrintJobsViewModel::singleSelectedJobIdentifier() const
{
    qsizetype found = -1;
    for (qsizetype i = 0; i < m_jobs.size(); ++i) {
        if (!m_jobSelected.at(i))
            continue;
        if (found >= 0)
            return {};
        found = i;
    }
    return found < 0 ? QString() : m_jobs.at(found).identifier;
}

bool PrintJobsViewModel::hasSelectedDestination() const
{
    return selectedDestinationIndex() >= 0;
}

QString PrintJobsViewModel::selectedDestinationName() const
{
    const qsizetype index = selectedDestinationIndex();
    return index < 0 ? QString() : m_printers.at(index).name;
}

QString PrintJobsViewModel::sourcePrinterNamesText() const
{
    QList<std::pair<QString, QString>> names; // canonical form, as listed
    for (const QString &name : selectedSourcePrinterNames())
        names.append({TextRules::canonical(name), name});
    std::sort(names.begin(), names.end(),
              [](const auto &lhs, const auto &rhs) { return codePointLess(lhs.first, rhs.first); });
    QStringList listed;
    listed.reserve(names.size());
    for (const auto &[canonical, name] : std::as_const(names))
        listed.append(name);
    return listed.join(u", "_s);
}

int PrintJobsViewModel::destinationCount() const
{
    return int(destinationPrinters().size());
}

JobListModel *PrintJobsViewModel::jobModel() const
{
    return m_jobModel;
}

PrinterListModel *PrintJobsViewModel::destinationModel() const
{
    return m_destinationModel;
}
