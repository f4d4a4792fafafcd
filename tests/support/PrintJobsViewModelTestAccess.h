// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

// Stores lists and selections in a window's state without running any tool, for tests and benchmarks that drive the
// selection rules; and holds counted work open through its public start(), as a move or an action does while its jobs
// are handed over. Header only: include it from targets that link parvento_model.

#include <ModelTexts.h>
#include <PrintJobsViewModel.h>

#include <QHash>
#include <QObject>
#include <QPromise>

#include <memory>
#include <optional>

struct PrintJobsViewModelTestAccess
{
    // What a successful reload stores before it trims the selection.
    static void load(PrintJobsViewModel &model, const QList<PrintJob> &jobs, const QList<Printer> &printers)
    {
        model.state().setLists(jobs, printers);
    }
    static void setSelectedJobIDs(PrintJobsViewModel &model, const QSet<QString> &identifiers)
    {
        model.state().selection.setSelectedKeys(identifiers);
        model.state().written();
    }
    static void retainValidSelections(PrintJobsViewModel &model)
    {
        model.state().selection.retainListed([&model] { model.state().written(); });
    }
    // As a reload does while its tools run.
    static void setLoading(PrintJobsViewModel &model, bool loading)
    {
        model.state().write(model.state().loading, loading);
    }

    // Starts counted work of `total` jobs that hands nothing over until
    // endHeldWork() (or until the model goes): a move, or `action`.
    static void startHeldWork(PrintJobsViewModel &model, qsizetype total, std::optional<JobAction> action = {})
    {
        auto held = std::make_shared<Held>();
        held->handedOver.start();
        const WorkVerdicts verdicts {
            {AppNotice::make(QStringLiteral("Erledigt"), QStringLiteral("Erledigt")), QStringLiteral("Erledigt")},
            {},
            [](const ReloadOutcome &) {
                return WorkReport {AppNotice::make(QStringLiteral("Erledigt"), QStringLiteral("Erledigt")),
                                   QStringLiteral("Erledigt")};
            }};
        model.work()->start(WorkTask {
            .kind = action ? WorkTask::Kind::Acting : WorkTask::Kind::Moving,
            .jobCount = total,
            .progressText =
                [action](qsizetype done, qsizetype all) {
                    return action ? ModelTexts::actionProgress(*action, done, all)
                                  : ModelTexts::moveProgress(done, all);
                },
            .handOver =
                [held](JobByJob::Progress progress, const QList<Printer> &) {
                    held->progress = progress;
                    return held->handedOver.future();
                },
            .failedUnexpectedly = [verdicts] { return verdicts; },
            .checksStates = false,
        });
        held->verdicts = verdicts;
        heldWork().insert(&model, held);
        QObject::connect(&model, &QObject::destroyed, [&model] { endHeldWork(model); });
    }
    // Counts `done` jobs of the held work as handed over.
    static void countOff(PrintJobsViewModel &model, qsizetype done)
    {
        if (const std::shared_ptr<Held> held = heldWork().value(&model); held && held->progress)
            held->progress(done);
    }
    // Ends the held work: its closing reload and its report follow.
    static void endHeldWork(PrintJobsViewModel &model)
    {
        if (const std::shared_ptr<Held> held = heldWork().take(&model)) {
            held->handedOver.addResult(held->verdicts);
            held->handedOver.finish();
        }
    }

private:
    struct Held
    {
        QPromise<WorkVerdicts> handedOver;
        JobByJob::Progress progress;
        WorkVerdicts verdicts;
    };
    static QHash<const PrintJobsViewModel *, std::shared_ptr<Held>> &heldWork()
    {
        static QHash<const PrintJobsViewModel *, std::shared_ptr<Held>> held;
        return held;
    }
};
