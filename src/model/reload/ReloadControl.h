// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "Capability.h"
#include "ReloadLedger.h"
#include "ReloadOutcome.h"

#include <QFuture>
#include <QObject>
#include <QPromise>
#include <QString>
#include <QtQml/qqmlregistration.h>

#include <functional>
#include <memory>
#include <optional>

// Loading the lists: the user's and the timer's reload, and the closing
// reload that counted work checks its report against. The lists are shown as
// soon as they are listed; the scheduler's details (titles, states) follow
// apart, and neither input nor the next reload waits for them.
class ReloadControl : public Capability
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Reached through the window model.")

    Q_PROPERTY(bool isLoading READ isLoading NOTIFY isLoadingChanged FINAL)
    // A reload or counted work runs.
    Q_PROPERTY(bool isBusy READ isBusy NOTIFY isBusyChanged FINAL)
    // Empty until a reload has found lpmove.
    Q_PROPERTY(QString lpmovePath READ lpmovePathText NOTIFY lpmovePathChanged FINAL)

public:
    ReloadControl(WindowState &state, QObject *parent);

    bool isLoading() const;
    bool isBusy() const;
    const std::optional<QString> &lpmovePath() const { return m_lpmovePath; }
    QString lpmovePathText() const;
    // Whether the scheduler's details of a reload are still to come. Input is
    // not held up by them; a test that reads what they add waits for them.
    bool isAwaitingDetails() const { return m_ledger.isAwaitingDetails(); }

    // Refused while busy. Completes once the scheduler's details have
    // followed its lists or been given up on.
    Q_INVOKABLE QFuture<void> refresh();

    // Starts a reload (numbered in the ledger) and hands what it listed to
    // `then`, with this object, which is null once the window has gone.
    using Listed = std::function<void(ReloadControl *reload, const ReloadOutcome &listed, quint64 number)>;
    void start(const Listed &then);
    // Stores what a reload leaves, write by write.
    void apply(const ReloadOutcome &outcome);
    // The lists of reload `number` are on screen.
    void shown(quint64 number) { m_ledger.shown(number); }
    // Asks for the scheduler's details about what `listed` lists and stores
    // them where they belong; once they have been stored or given up on,
    // hands `then` (when given, while the window is there) the lists with
    // their details, or as listed when none came, and finishes `done`.
    using Described = std::function<void(const ReloadOutcome &described)>;
    void followWithDetails(const ReloadOutcome &listed, quint64 number, const std::shared_ptr<QPromise<void>> &done,
                           const Described &then = {});
    // The move question closed: what a reload found meanwhile is shown now.
    void showHeld();

Q_SIGNALS:
    void isLoadingChanged();
    void isBusyChanged();
    void lpmovePathChanged();
    // The lists of a reload are on screen: work that waited for it starts.
    void listsShown();
    // A reload ended; `listed` tells whether it could list.
    void loaded(bool listed);

private:
    // The lists of refresh()'s reload have ended: stores them, unless the
    // move question holds them back.
    void reloaded(const ReloadOutcome &outcome, quint64 number);

    ReloadLedger m_ledger;
    std::optional<QString> m_lpmovePath;
};
