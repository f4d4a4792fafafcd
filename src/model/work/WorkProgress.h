// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

// How far the counted work that runs is (a move, taking one back, a hold,
// release or cancel): the jobs handed over so far, all its jobs, and its
// text ("Verschiebe 37 von 120 …"); zeros and no text while none runs.
struct WorkProgress
{
    Q_GADGET
    QML_VALUE_TYPE(workProgress)
    Q_PROPERTY(int done MEMBER done FINAL)
    Q_PROPERTY(int total MEMBER total FINAL)
    Q_PROPERTY(QString text MEMBER text FINAL)

public:
    int done = 0;
    // 0 while none runs.
    int total = 0;
    QString text;

    bool operator==(const WorkProgress &) const = default;
};
