// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "AppNotice.h"
#include "Capability.h"

#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

#include <optional>

// What the window tells the user: the notice on screen (a report, a failure)
// and the status line. Every capability writes them; this is their face.
class NoticeControl : public Capability
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Reached through the window model.")

    // The notice on screen; a blank one (empty id) while there is none.
    Q_PROPERTY(AppNotice notice READ shown NOTIFY noticeChanged FINAL)
    Q_PROPERTY(QString statusText READ statusText NOTIFY statusTextChanged FINAL)

public:
    NoticeControl(WindowState &state, QObject *parent);

    const std::optional<AppNotice> &notice() const;
    // For QML, which has no optional.
    AppNotice shown() const { return notice().value_or(AppNotice()); }
    const QString &statusText() const;

    // The user closed the notice; a failure to load that waited comes up.
    Q_INVOKABLE void dismiss();
    // Turns an error into the notice on screen.
    void present(const WorkflowError &error, const QString &title);

Q_SIGNALS:
    void noticeChanged();
    void statusTextChanged();

private:
};
