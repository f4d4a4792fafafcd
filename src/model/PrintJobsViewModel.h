#pragma once

#include "AppNotice.h"
#include "JobListModel.h"
#include "PrinterListModel.h"
#include "WorkflowError.h"

#include <CUPSService.h>

#include <QFuture>
#include <QObject>
#include <QSet>
#include <QtQml/qqmlregistration.h>

#include <optional>

// The state of one window: the jobs and queues of the last reload, the user's
// selection, the busy flags, the pending notice and the status line; and the
// two workflows, reload and move. Lives on the UI thread; every write happens
// there and emits changed() once, equal values included.
class PrintJobsViewModel : public QObject
{
    Q_OBJECT
    QML_ELEMENT

    // Stored state.
    Q_PROPERTY(bool isLoading READ isLoading NOTIFY changed FINAL)
    Q_PROPERTY(bool isMoving READ isMoving NOTIFY changed FINAL)
    // A reload or a move runs.
    Q_PROPERTY(bool isBusy READ isBusy NOTIFY changed FINAL)
    Q_PROPERTY(bool isShowingMoveConfirmation READ isShowingMoveConfirmation WRITE setShowingMoveConfirmation NOTIFY
                   changed FINAL)
    Q_PROPERTY(QString statusText READ statusText NOTIFY changed FINAL)
    Q_PROPERTY(QString lpmovePath READ lpmovePathText NOTIFY changed FINAL)
    Q_PROPERTY(bool hasLpmovePath READ hasLpmovePath NOTIFY changed FINAL)
    Q_PROPERTY(QString selectedDestinationID READ selectedDestinationIDText WRITE setSelectedDestinationIDText NOTIFY
                   changed FINAL)
    Q_PROPERTY(bool hasNotice READ hasNotice NOTIFY changed FINAL)
    Q_PROPERTY(QString noticeID READ noticeIDText NOTIFY changed FINAL)
    Q_PROPERTY(QString noticeTitle READ noticeTitle NOTIFY changed FINAL)
    Q_PROPERTY(QString noticeMessage READ noticeMessage NOTIFY changed FINAL)

    // Derived values, computed on every read.
    Q_PROPERTY(int jobCount READ jobCount NOTIFY changed FINAL)
    Q_PROPERTY(int selectedJobCount READ selectedJobCount NOTIFY changed FINAL)
    Q_PROPERTY(QString singleSelectedJobIdentifier READ singleSelectedJobIdentifier NOTIFY changed FINAL)
    Q_PROPERTY(bool hasSelectedDestination READ hasSelectedDestination NOTIFY changed FINAL)
    Q_PROPERTY(QString selectedDestinationName READ selectedDestinationName NOTIFY changed FINAL)
    Q_PROPERTY(QString sourcePrinterNamesText READ sourcePrinterNamesText NOTIFY changed FINAL)
    Q_PROPERTY(int destinationCount READ destinationCount NOTIFY changed FINAL)
    Q_PROPERTY(bool canRequestMove READ canRequestMove NOTIFY changed FINAL)
    Q_PROPERTY(QString confirmationMessage READ confirmationMessage NOTIFY changed FINAL)

    // Row models for the two lazily built lists.
    Q_PROPERTY(JobListModel *jobModel READ jobModel CONSTANT FINAL)
    Q_PROPERTY(PrinterListModel *destinationModel READ destinationModel CONSTANT FINAL)

public:
    // Uses the system's lpstat at /usr/bin/lpstat.
    explicit PrintJobsViewModel(QObject *parent = nullptr);
    explicit PrintJobsViewModel(const CUPSService &service, QObject *parent = nullptr);
    ~PrintJobsViewModel() override;

    const QList<PrintJob> &jobs() const;
    const QList<Printer> &printers() const;
    const QSet<QString> &selectedJobIDs() const;
    const std::optional<QString> &selectedDestinationID() const;
    void setSelectedDestinationID(const std::optional<QString> &name);
    bool isLoading() const;
    bool isMoving() const;
    bool isBusy() const { return m_isLoading || m_isMoving; }
    bool isShowingMoveConfirmation() const;
    void setShowingMoveConfirmation(bool showing);
    const std::optional<AppNotice> &notice() const;
    void setNotice(const std::optional<AppNotice> &notice);
    const QString &statusText() const;
    const std::optional<QString> &lpmovePath() const;

    QList<PrintJob> selectedJobs() const;
    std::optional<Printer> selectedDestination() const;
    QSet<QString> selectedSourcePrinterNames() const;
    QList<Printer> destinationPrinters() const;
    bool canRequestMove() const;
    QString confirmationMessage() const;

    void toggleJobSelection(const PrintJob &job);
    // Both complete when the workflow has ended (a move: after its closing reload).
    QFuture<void> refresh();
    QFuture<void> moveSelectedJobs();

    // Finishes once every confirmed move of every model in this process has
    // ended. A move carries on after its window has gone, so the application
    // waits for this before it quits; a reload is simply abandoned. Call on
    // the UI thread.
    static QFuture<void> whenAllMovesFinished();

    // For QML.
    Q_INVOKABLE void toggleJobSelectionAt(int row);
    Q_INVOKABLE void chooseDestinationAt(int row);
    Q_INVOKABLE void startRefresh();
    Q_INVOKABLE void startMove();
    Q_INVOKABLE void requestMoveConfirmation();
    Q_INVOKABLE void dismissNotice();

    // QML-facing readers of the optional values.
    QString lpmovePathText() const;
    bool hasLpmovePath() const;
    QString selectedDestinationIDText() const;
    void setSelectedDestinationIDText(const QString &name);
    bool hasNotice() const;
    QString noticeIDText() const;
    QString noticeTitle() const;
    QString noticeMessage() const;
    int jobCount() const;
    int selectedJobCount() const;
    QString singleSelectedJobIdentifier() const;
    bool hasSelectedDestination() const;
    QString selectedDestinationName() const;
    QString sourcePrinterNamesText() const;
    int destinationCount() const;
    JobListModel *jobModel() const;
    PrinterListModel *destinationModel() const;

Q_SIGNALS:
    void changed();

private:
    // Lets tests and benchmarks reach the private steps directly.
    friend struct PrintJobsViewModelTestAccess;

    struct RefreshRun;
    struct MoveRun;

    static void trackMove(const QFuture<void> &move);

    void setJobs(const QList<PrintJob> &jobs);
    void setPrinters(const QList<Printer> &printers);
    void setSelectedJobIDs(QSet<QString> identifiers);
    void setLoading(bool loading);
    void setMoving(bool moving);
    void setStatusText(const QString &text);
    void setLpmovePath(const std::optional<QString> &path);

    // Trims the selection to what the last successful reload still lists.
    void retainValidSelections();
    // Turns an error into the pending notice.
    void present(const WorkflowError &error, const QString &title);

    // Canonical source queue names of the selected jobs.
    QSet<QString> selectedSourceKeys() const;
    // Index into m_printers of the chosen destination, or -1.
    qsizetype selectedDestinationIndex() const;
    void updateSelectionFlags();
    void syncJobModel();
    void syncDestinationModel();

    CUPSService m_service;
    QList<PrintJob> m_jobs;
    // Canonical forms, computed once per reload: selection and filtering
    // compare them instead of normalising on every read.
    QList<QString> m_jobKeys;
    QList<QString> m_jobSourceKeys;
    QList<Printer> m_printers;
    QList<QString> m_printerKeys;
    // Canonical identifiers, so that a job listed in another normalisation
    // stays the same job.
    QSet<QString> m_selectedJobIDs;
    // Per job of m_jobs: selected or not. Kept with every write of the jobs or
    // the selection, so that derived values need no hashing per read.
    QList<bool> m_jobSelected;
    std::optional<QString> m_selectedDestinationID;
    bool m_isLoading = false;
    bool m_isMoving = false;
    bool m_isShowingMoveConfirmation = false;
    std::optional<AppNotice> m_notice;
    QString m_statusText;
    std::optional<QString> m_lpmovePath;
    // Children of the model.
    JobListModel *m_jobModel;
    PrinterListModel *m_destinationModel;
};
