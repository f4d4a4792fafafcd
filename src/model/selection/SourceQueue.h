// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "JobEntry.h"

#include <QList>
#include <QString>

// A source queue of the listed jobs: its name as first listed, its listed
// spelling (JobEntry::sourceKey()) and how many jobs wait in it.
struct SourceQueue
{
    QString name;
    QString key;
    qsizetype jobCount = 0;

    // Every source queue of `entries`, in the order of the destination list.
    static QList<SourceQueue> collect(const QList<JobEntry> &entries);
};

Q_DECLARE_TYPEINFO(SourceQueue, Q_RELOCATABLE_TYPE);
