// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "PropertyAnnouncer.h"

#include <QMetaMethod>
#include <QObject>
#include <QVarLengthArray>

PropertyAnnouncer::PropertyAnnouncer(QObject *object)
    : m_object(object)
{
    const QMetaObject *meta = object->metaObject();
    for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        if (property.hasNotifySignal())
            m_watched.push_back({property, {}});
    }
}

void PropertyAnnouncer::remember()
{
    for (Watched &watched : m_watched)
        watched.shown = watched.property.read(m_object);
}

void PropertyAnnouncer::announce()
{
    // All values first, then the signals: a handler that writes again
    // compares against what this write showed. Properties that share a
    // signal announce once.
    QVarLengthArray<QMetaMethod, 32> due;
    for (Watched &watched : m_watched) {
        QVariant now = watched.property.read(m_object);
        if (now == watched.shown)
            continue;
        watched.shown = std::move(now);
        if (!due.contains(watched.property.notifySignal()))
            due.append(watched.property.notifySignal());
    }
    for (const QMetaMethod &signal : due)
        signal.invoke(m_object, Qt::DirectConnection);
}
