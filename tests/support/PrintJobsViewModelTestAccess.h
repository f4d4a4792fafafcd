// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

// Reaches the private steps of PrintJobsViewModel (a friend of it), for tests
// and benchmarks that drive the selection rules without running any tool.
// Header only: include it from targets that link parvento_model.

#include <PrintJobsViewModel.h>

struct PrintJobsViewModelTestAccess
{
    // What a successful reload stores before it trims the selection.
    static void load(PrintJobsViewModel &model, const QList<PrintJob> &jobs, const QList<Printer> &printers)
    {
        model.setLists(jobs, printers);
    }
    static void setSelectedJobIDs(PrintJobsViewModel &model, const QSet<QString> &identifiers)
    {
        model.setSelectedJobIDs(identifiers);
    }
    static void retainValidSelections(PrintJobsViewModel &model) { model.retainValidSelections(); }
    static void present(PrintJobsViewModel &model, const WorkflowError &error, const QString &title)
    {
        model.present(error, title);
    }
    static void setLoading(PrintJobsViewModel &model, bool loading) { model.write(model.m_isLoading, loading); }
    static void setMoving(PrintJobsViewModel &model, bool moving) { model.write(model.m_isMoving, moving); }
    // As a hold, release or cancel does while it runs.
    static void setActing(PrintJobsViewModel &model, JobAction action, qsizetype done, qsizetype total)
    {
        model.m_actions.start(action);
        setMoveProgress(model, done, total);
    }
    static void setMoveProgress(PrintJobsViewModel &model, qsizetype done, qsizetype total)
    {
        model.write(model.m_moveTotalCount, total);
        model.write(model.m_moveDoneCount, done);
    }
};
