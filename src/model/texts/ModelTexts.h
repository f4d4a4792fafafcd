// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "AppNotice.h"
#include "JobActionOutcome.h"
#include "MoveOutcome.h"
#include "UndoOutcome.h"
#include "UndoPlan.h"

#include <PrintJob.h>
#include <Printer.h>
#include <SchedulerAddress.h>

#include <QList>
#include <QString>
#include <QStringList>

// Every text the window shows, in one place: those the model writes and the
// fixed ones of the view, which reads them through WindowTexts. What CUPS
// access says (errors, job states) comes from ServiceTexts. Texts from lpstat
// or the scheduler (names, titles, owners, messages) go into them through
// DisplayText, each as a field of its own.
namespace ModelTexts {

QString readyStatus();
QString loadedStatus(qsizetype jobCount, qsizetype printerCount);
QString loadFailedStatus();
QString loadFailedTitle();

// The body of the move confirmation for these jobs (at least one), and its
// parts for a view that lays them out itself.
QString confirmation(const QList<PrintJob> &jobs, const QString &destinationName);
QString confirmationHeadline(qsizetype jobCount);
QStringList confirmationLines(const QList<PrintJob> &jobs);
// "Nach: Archiv"; with the printer's location when it has one ("Nach: Büro
// (Raum 2.14)"), so that nobody sends jobs to a printer they cannot find.
QString confirmationDestination(const QString &destinationName, const QString &location = {});
QString confirmationWarning();
// "Server: druck01.example:631": the scheduler the window talks to, when it is
// not this machine's (else empty). The header shows it, and the confirmation
// under "Nach: …".
QString schedulerLine(const SchedulerAddress &address);
// What the scheduler's state makes worth knowing before this move: a
// destination that is stopped or rejects jobs, jobs that are being printed.
// Empty when nothing is known or nothing applies.
QStringList confirmationStateWarnings(const QList<PrintJob> &jobs, const Printer &destination);

// The action bar's text while a move runs.
QString moveProgress(qsizetype done, qsizetype total);

// A report's lines for the first three failures, each job with its reason.
QStringList firstFailures(const QList<std::pair<PrintJob, WorkflowError>> &failures);

// The notice and the status line a finished move leaves.
AppNotice moveNotice(const MoveOutcome &outcome);
QString moveStatus(const MoveOutcome &outcome);

// Why a job lpmove reported as moved counts as not moved: the listing after
// the move still shows it in its source queue, or in another queue than the
// destination, or no longer shows the destination.
QString stillInSourceQueue(const QString &queue);
QString landedElsewhere(const QString &queue, const QString &destinationName);
QString destinationVanished(const QString &destinationName);
// The end of a move's report when the listing after it failed.
QString moveNotChecked();

// Hold, release and cancel: the action bar's text while one runs, the notice
// and the status line it leaves, and the end of its report when the listing
// after it failed.
QString actionProgress(JobAction action, qsizetype done, qsizetype total);
AppNotice actionNotice(const JobActionOutcome &outcome);
QString actionStatus(const JobActionOutcome &outcome);
QString actionNotChecked(JobAction action);
// Why a job the scheduler reported held, released or cancelled counts as
// not: the listing after it shows it waiting, held or not held, or no more.
QString stillWaiting(const QString &queue);
QString stillHeld();
QString notHeld();
QString goneBeforeHeld();
// Added to what the scheduler refused when the job is gone afterwards.
QString goneAfterRefusal();

// The body of the cancel confirmation, in parts as the move's: the count,
// one line per job (with its title when known), and what cancelling means.
QString cancelConfirmationHeadline(qsizetype jobCount);
QStringList cancelConfirmationLines(const QList<PrintJob> &jobs);
QString cancelConfirmationWarning();

// Taking back a move: its confirmation in parts as the move's ("• Ziel-7 →
// Farbe" per job), the note naming the jobs its destination no longer lists,
// the notice when none is left to take back, and the notice and the status
// line it leaves.
QString undoConfirmationHeadline(qsizetype jobCount);
QStringList undoConfirmationLines(const UndoPlan &plan);
QString undoLeftOut(const QString &destination, const QStringList &leftOut);
// "Ziel-3, Ziel-4, Ziel-5 und 2 weitere": three names, then a count, so that
// a note stays in view however many jobs it is about.
QString namedJobs(const QStringList &jobs);
AppNotice nothingToUndoNotice(const UndoPlan &plan);
// The status line when the undo is asked for while the lists failed to load.
QString undoWaitsForLists();
AppNotice undoNotice(const UndoOutcome &outcome);
QString undoStatus(const UndoOutcome &outcome);

// A job row's title when the job has none.
QString untitledJob();
// The job's title as its row shows it, untitledJob() when it has none.
QString jobTitle(const PrintJob &job);
// PrintJob::displayIdentifier() as the window shows it.
QString displayIdentifier(const PrintJob &job);
// What assistive technology reads for the job's row; the state, when the
// scheduler told it, is the last segment.
QString jobAccessibleDescription(const PrintJob &job);
// The job's state as a row shows it: the state word, and the reason after it
// when the scheduler gave one worth reading ("angehalten · bis auf Weiteres").
// Empty when the scheduler could not be asked.
QString jobStateText(const PrintJob &job);
// The row's small print: owner, when it was submitted, its size; the parts
// that are known. `today` decides whether the day is named ("heute",
// "gestern") or dated.
QString jobFacts(const PrintJob &job, const QDate &today);
// Why a destination may not print what it receives ("gestoppt – Papierstau");
// empty for a queue that is ready.
QString queueStateText(const Printer &queue);
// A destination row's small print: where the printer stands, what it is (when
// that says more than its name) and how many jobs already wait in it
// ("Raum 2.14 · Farblaser · 3 wartend"); the parts that are known.
QString destinationFacts(const Printer &queue, qsizetype waitingJobs);
// The description of a failure that did not come from CUPS access.
QString unexpectedFailure();
// Why a job of a move, undo or job action was never handed over: the
// scheduler had not answered for one before it.
QString notTriedAfterSilence();

// The line under the job pane's heading: how many jobs are selected and how
// many of them the filter hides; empty while nothing is selected.
QString selectionNote(qsizetype selectedCount, qsizetype hiddenCount);
// The entries of the job pane's source queue chooser.
QString allSourceQueues();
QString sourceQueueChoice(const QString &queue, qsizetype jobCount);

// The view's fixed texts (WindowTexts hands them to QML), region by region:
// the window, its menu, header, toolbar and status bar and the dialogs' OK
// button. A "Description" is what assistive technology reads after a
// control's name.
extern const QString programName;
extern const QString aboutMenuItem;
extern const QString purposeMenuItem;
extern const QString quit;
extern const QString headerSubtitle;
extern const QString loading;
extern const QString reload;
extern const QString okButton;

// The job pane; its empty state differs when only the filter hides the jobs.
extern const QString jobPaneTitle;
extern const QString jobPaneSubtitle;
extern const QString noMatchingJobsTitle;
extern const QString noMatchingJobsHint;
extern const QString noWaitingJobsTitle;
extern const QString noWaitingJobsHint;
extern const QString jobFilterName;
extern const QString sourceQueueChooserName;
extern const QString selectShownJobs;
extern const QString clearSelection;
extern const QString holdJobs;
extern const QString releaseJobs;
extern const QString cancelJobs;
extern const QString selectJobDescription;
extern const QString deselectJobDescription;

// The destination pane and its rows.
extern const QString destinationPaneTitle;
extern const QString destinationPaneSubtitle;
extern const QString noDestinationsTitle;
extern const QString noDestinationsWithoutJobsHint;
extern const QString onlySourceQueuesHint;
extern const QString chooseDestination;
extern const QString chooseDestinationDescription;
extern const QString chosenDestination;

// The banner above the panes, before and once jobs and a destination are chosen.
extern const QString transferIdleTitle;
extern const QString transferIdleHint;
extern const QString sourceQueuesCaption;
extern const QString destinationCaption;
extern const QString movesTo;

// The action bar below the panes.
extern const QString readyToMove;
extern const QString selectionIncomplete;
extern const QString moveRequirement;
extern const QString moveButton;
extern const QString movingButton;

// The move confirmation's title and buttons.
extern const QString confirmationTitle;
extern const QString confirmMove;
extern const QString cancelButton;

// The cancel confirmation's title and buttons.
extern const QString cancelConfirmationTitle;
extern const QString confirmCancel;
extern const QString keepJobs;

// The move report's offer to take the move back, and the undo confirmation's
// title and button (its other button is cancelButton).
extern const QString undoMove;
extern const QString undoConfirmationTitle;
extern const QString confirmUndo;

// The view's texts composed from what it shows: the about dialog's message
// (the version first, when there is one), the status bar's lpmove location, a
// destination row's accessible name (its state, when it has one, after the
// name), the banner's caption and count of the selected jobs, the panes'
// count badges as assistive technology reads them, the action bar's hint.
QString aboutMessage(const QString &version);
QString lpmoveLocation(const QString &path);
QString printerAccessibleName(const QString &name, const QString &stateText);
QString selectedJobsCaption(qsizetype count);
QString selectedJobsCount(qsizetype count);
QString jobCount(qsizetype count);
QString destinationCount(qsizetype count);
QString moveHint(qsizetype selectedCount);

// What `parvento` answers on the command line: the usage line, the help, and
// why a command line is a misuse (an unknown option, an unexpected argument,
// --server without a server or with something else).
QString commandLineUsage();
QString commandLineHelp();
QString unknownOption(const QString &option);
QString unexpectedArgument(const QString &argument);
QString missingServer();
QString notAServer(const QString &address);

} // namespace ModelTexts
