// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QUuid>

// A notice for the user: shown as an alert, told apart from the previous one
// by its id even when the texts are the same.
struct AppNotice
{
    QUuid id;
    QString title;
    QString message;

    // A notice with a new random id.
    static AppNotice make(const QString &title, const QString &message);

    bool operator==(const AppNotice &) const = default;
};
