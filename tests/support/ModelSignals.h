// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

// The change signals of the window model's capability objects, for tests that
// watch a state spread over several of them, or that check that a refused
// operation announces nothing at all. Found through the meta-objects, so that
// a capability or a property added later is watched too. Header only.

#include "ChangeRelay.h"

#include <PrintJobsViewModel.h>

#include <QList>
#include <QMetaProperty>
#include <QObject>
#include <QSet>
#include <QSignalSpy>
#include <QString>
#include <QVariant>

#include <functional>
#include <map>
#include <memory>
#include <utility>
#include <vector>

namespace ModelSignals {

// The capability objects, by the name of the model's property that hands each out.
inline std::vector<std::pair<QString, const QObject *>> capabilities(const PrintJobsViewModel &model)
{
    std::vector<std::pair<QString, const QObject *>> found;
    const QMetaObject *meta = model.metaObject();
    for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        if (QObject *capability = property.read(&model).value<QObject *>())
            found.emplace_back(QString::fromLatin1(property.name()), capability);
    }
    return found;
}

// Each watched property with a change signal, as "selection.jobCount", with
// its signal as "selection.jobCountChanged()".
struct Watched
{
    QString property;
    QString signal;
    const QObject *object;
    QMetaProperty meta;
};

inline std::vector<Watched> watched(const PrintJobsViewModel &model)
{
    std::vector<Watched> all;
    for (const auto &[name, object] : capabilities(model)) {
        const QMetaObject *meta = object->metaObject();
        for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
            const QMetaProperty property = meta->property(i);
            if (property.hasNotifySignal())
                all.push_back({name + u'.' + QString::fromLatin1(property.name()),
                               name + u'.' + QString::fromLatin1(property.notifySignal().methodSignature()), object,
                               property});
        }
    }
    return all;
}

// What every watched property reads now.
inline std::map<QString, QVariant> values(const PrintJobsViewModel &model)
{
    std::map<QString, QVariant> read;
    for (const Watched &property : watched(model))
        read[property.property] = property.meta.read(property.object);
    return read;
}

// Calls `handler` after every change the model announces, whichever property.
inline QList<QMetaObject::Connection> onEveryChange(const PrintJobsViewModel &model, const QObject *context,
                                                    const std::function<void()> &handler)
{
    // Goes with `context`.
    auto *relay = new ChangeRelay(handler, const_cast<QObject *>(context));
    QList<QMetaObject::Connection> connections;
    QSet<QString> connected;
    for (const Watched &property : watched(model)) {
        if (!connected.contains(property.signal)) {
            connected.insert(property.signal);
            connections.append(relay->follow(property.object, property.meta.notifySignal()));
        }
    }
    return connections;
}

// Counts the emissions of every watched property's change signal.
class AnySpy
{
public:
    explicit AnySpy(const PrintJobsViewModel &model)
    {
        for (const Watched &property : watched(model)) {
            if (!m_spies.contains(property.signal))
                m_spies.emplace(property.signal,
                                std::make_unique<QSignalSpy>(property.object, property.meta.notifySignal()));
        }
    }

    qsizetype count() const
    {
        qsizetype total = 0;
        for (const auto &[signal, spy] : m_spies)
            total += spy->count();
        return total;
    }
    // The signals that went out, as "selection.jobCountChanged()".
    QSet<QString> emittedSignals() const
    {
        QSet<QString> emitted;
        for (const auto &[signal, spy] : m_spies)
            if (spy->count() > 0)
                emitted.insert(signal);
        return emitted;
    }
    void clear()
    {
        for (const auto &[signal, spy] : m_spies)
            spy->clear();
    }

private:
    std::map<QString, std::unique_ptr<QSignalSpy>> m_spies;
};

} // namespace ModelSignals
