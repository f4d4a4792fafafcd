// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include <QMetaProperty>
#include <QVariant>

#include <vector>

class QObject;

// Announces an object's property changes after a write: remembers what each
// property with a change signal showed when last announced, and emits the
// signal of every one that shows something else now, each signal once, so a
// write re-evaluates only the bindings it concerns. Properties composed only
// when read (too costly to compose on every write) are not compared; they
// are announced when the owner says their parts changed.
class PropertyAnnouncer
{
public:
    explicit PropertyAnnouncer(QObject *object);

    // Takes what the properties show now as announced; call once the object
    // is fully built.
    void remember();
    void announce();

private:
    struct Watched
    {
        QMetaProperty property;
        QVariant shown;
    };

    QObject *m_object;
    std::vector<Watched> m_watched;
};
