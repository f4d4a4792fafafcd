// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractItemModel>
#include <QObject>
#include <QtQml/qqmlregistration.h>

// What the job pane's filter shows besides the typed text (which the user
// writes, so it stays a property of its own): the source queue chooser's
// entries ("Alle Warteschlangen" first) and the chosen one, and how many
// jobs pass.
struct JobFilterView
{
    Q_GADGET
    QML_VALUE_TYPE(jobFilterView)
    // A model rather than a list: a list would reach the chooser as a new
    // array on every change signal, and the chooser would rebuild.
    Q_PROPERTY(QAbstractItemModel *queueChoices MEMBER queueChoices FINAL)
    // Row 0 stands for all queues.
    Q_PROPERTY(int queueIndex MEMBER queueIndex FINAL)
    Q_PROPERTY(int shownCount MEMBER shownCount FINAL)

public:
    QAbstractItemModel *queueChoices = nullptr;
    int queueIndex = 0;
    int shownCount = 0;

    bool operator==(const JobFilterView &) const = default;
};
