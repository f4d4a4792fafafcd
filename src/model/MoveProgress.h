// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

// How far the running move is: the jobs handled so far, all its jobs, and
// "Verschiebe 37 von 120 …"; zeros and no text while none runs.
struct MoveProgress
{
    Q_GADGET
    QML_VALUE_TYPE(moveProgress)
    Q_PROPERTY(int done MEMBER done FINAL)
    Q_PROPERTY(int total MEMBER total FINAL)
    Q_PROPERTY(QString text MEMBER text FINAL)

public:
    // Jobs handled so far.
    int done = 0;
    // All jobs of the move; 0 while none runs.
    int total = 0;
    QString text;

    // `done` of `total` jobs handled; texted only while the move runs.
    static MoveProgress of(qsizetype done, qsizetype total, bool running);

    bool operator==(const MoveProgress &) const = default;
};
