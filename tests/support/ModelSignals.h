// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

// The window model's change signals, for tests that watch a state spread over
// several properties, or that check that a refused operation announces
// nothing at all. Header only.

#include <PrintJobsViewModel.h>

#include <QList>
#include <QMetaProperty>
#include <QObject>
#include <QSet>
#include <QSignalSpy>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace ModelSignals {

// Calls `handler` after every change the model announces, whichever property.
inline QList<QMetaObject::Connection> onEveryChange(const PrintJobsViewModel &model, const QObject *context,
                                                    const std::function<void()> &handler)
{
    using Signal = void (PrintJobsViewModel::*)();
    static constexpr Signal every[] = {
        &PrintJobsViewModel::isLoadingChanged,
        &PrintJobsViewModel::isMovingChanged,
        &PrintJobsViewModel::isActingChanged,
        &PrintJobsViewModel::isBusyChanged,
        &PrintJobsViewModel::isShowingMoveConfirmationChanged,
        &PrintJobsViewModel::statusTextChanged,
        &PrintJobsViewModel::lpmovePathChanged,
        &PrintJobsViewModel::noticeChanged,
        &PrintJobsViewModel::moveProgressChanged,
        &PrintJobsViewModel::jobCountChanged,
        &PrintJobsViewModel::selectedJobCountChanged,
        &PrintJobsViewModel::singleSelectedJobIdentifierChanged,
        &PrintJobsViewModel::sourcePrinterNamesTextChanged,
        &PrintJobsViewModel::selectionNoteChanged,
        &PrintJobsViewModel::canSelectShownJobsChanged,
        &PrintJobsViewModel::canClearJobSelectionChanged,
        &PrintJobsViewModel::selectedDestinationChanged,
        &PrintJobsViewModel::destinationCountChanged,
        &PrintJobsViewModel::canRequestMoveChanged,
        &PrintJobsViewModel::confirmationChanged,
        &PrintJobsViewModel::canHoldJobsChanged,
        &PrintJobsViewModel::canReleaseJobsChanged,
        &PrintJobsViewModel::canCancelJobsChanged,
        &PrintJobsViewModel::isShowingCancelConfirmationChanged,
        &PrintJobsViewModel::cancelConfirmationChanged,
        &PrintJobsViewModel::jobFilterTextChanged,
        &PrintJobsViewModel::filterChanged,
    };
    QList<QMetaObject::Connection> connections;
    for (const Signal signal : every)
        connections.append(QObject::connect(&model, signal, context, handler));
    return connections;
}

// Counts the emissions of every property's change signal, found through the
// meta-object so that a property added later is counted too.
class AnySpy
{
public:
    explicit AnySpy(const PrintJobsViewModel &model)
    {
        const QMetaObject *meta = model.metaObject();
        for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i)
            if (const QMetaMethod notify = meta->property(i).notifySignal(); notify.isValid())
                m_spies.emplace_back(notify.methodIndex(), std::make_unique<QSignalSpy>(&model, notify));
    }

    qsizetype count() const
    {
        qsizetype total = 0;
        for (const auto &[index, spy] : m_spies)
            total += spy->count();
        return total;
    }
    // The method indices of the signals that went out.
    QSet<int> emittedSignals() const
    {
        QSet<int> emitted;
        for (const auto &[index, spy] : m_spies)
            if (spy->count() > 0)
                emitted.insert(index);
        return emitted;
    }
    void clear()
    {
        for (const auto &[index, spy] : m_spies)
            spy->clear();
    }

private:
    std::vector<std::pair<int, std::unique_ptr<QSignalSpy>>> m_spies;
};

} // namespace ModelSignals
