// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "WorkflowError.h"

#include <QObject>
#include <QString>
#include <QUuid>
#include <QtQml/qqmlregistration.h>

// A notice for the user: shown as an alert, told apart from the previous one
// by its id even when the texts are the same. The window reads a default one
// (no id, no texts) as "no notice".
struct AppNotice
{
    Q_GADGET
    QML_VALUE_TYPE(appNotice)
    // Empty for no notice.
    Q_PROPERTY(QString id READ idText FINAL)
    Q_PROPERTY(QString title MEMBER title FINAL)
    Q_PROPERTY(QString message MEMBER message FINAL)
    // A move's report that offers to take the move back.
    Q_PROPERTY(bool offersUndo MEMBER offersUndo FINAL)

public:
    QUuid id;
    QString title;
    QString message;
    bool offersUndo = false;

    // A notice with a new random id.
    static AppNotice make(const QString &title, const QString &message);
    // The error's description, then its suggestion when it has one.
    static AppNotice fromError(const QString &title, const WorkflowError &error);

    QString idText() const;

    bool operator==(const AppNotice &) const = default;
};
