// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

// Whether a state of the window model held at any moment since the witness
// was made. For states a quiet machine passes through before a test gets to
// look (a short reload, a fast move): asserting them after a settle passes
// only where the machine is busy. Header only.

#include "ModelSignals.h"

#include <PrintJobsViewModel.h>

#include <QObject>

#include <functional>

class StateWitness
{
public:
    StateWitness(const PrintJobsViewModel &model, std::function<bool()> holds)
        : m_holds(std::move(holds))
        , m_seen(m_holds())
    {
        m_connections = ModelSignals::onEveryChange(model, &model, [this] { m_seen = m_seen || m_holds(); });
    }
    ~StateWitness()
    {
        for (const QMetaObject::Connection &connection : std::as_const(m_connections))
            QObject::disconnect(connection);
    }
    Q_DISABLE_COPY_MOVE(StateWitness)

    bool seen() const { return m_seen; }

private:
    std::function<bool()> m_holds;
    bool m_seen;
    QList<QMetaObject::Connection> m_connections;
};
