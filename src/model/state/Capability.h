// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "PropertyAnnouncer.h"
#include "WindowState.h"

#include <QObject>
#include <QtQml/qqmlregistration.h>

#include <functional>

#include <optional>

// What every capability object of a window is built on: the state they
// share, and the announcer of its own properties, which follows every write
// to that state. A derived class calls watch() once it is fully built.
class Capability : public QObject
{
    Q_OBJECT
    QML_ANONYMOUS

protected:
    Capability(WindowState &state, QObject *parent)
        : QObject(parent)
        , m_state(state)
    { }

    // Takes what the properties show now as announced, and from now on
    // announces each one that reads differently after a write. `derive`
    // (when given) first refreshes what the object derives from `changes`.
    void watch(const std::function<void(JobSelection::Changes changes)> &derive = {})
    {
        m_announcer.emplace(this);
        m_announcer->remember();
        m_state.follow([this, derive](JobSelection::Changes changes) {
            if (derive)
                derive(changes);
            m_announcer->announce();
        });
    }

    WindowState &m_state;

private:
    std::optional<PropertyAnnouncer> m_announcer;
};
