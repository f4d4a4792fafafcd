// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include <QMetaMethod>
#include <QObject>

#include <functional>
#include <utility>

// Calls a function whenever any signal connected to it by its meta-method
// goes out: a receiver for signals that are found at run time.
class ChangeRelay : public QObject
{
    Q_OBJECT

public:
    ChangeRelay(std::function<void()> handler, QObject *parent)
        : QObject(parent)
        , m_handler(std::move(handler))
    { }

    QMetaObject::Connection follow(const QObject *sender, const QMetaMethod &signal)
    {
        return connect(sender, signal, this, metaObject()->method(metaObject()->indexOfSlot("relay()")));
    }

public Q_SLOTS:
    void relay() { m_handler(); }

private:
    std::function<void()> m_handler;
};
