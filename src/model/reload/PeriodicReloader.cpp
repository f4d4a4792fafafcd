// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "PeriodicReloader.h"

#include "PrintJobsViewModel.h"
#include "WhenFinished.h"

#include <utility>

PeriodicReloader::PeriodicReloader(QObject *parent)
    : QObject(parent)
{
    connect(&m_timer, &BootClockTimer::timeout, this, &PeriodicReloader::reload);
}

PeriodicReloader::~PeriodicReloader() = default;

PrintJobsViewModel *PeriodicReloader::viewModel() const
{
    return m_model;
}

void PeriodicReloader::setViewModel(PrintJobsViewModel *model)
{
    if (m_model == model)
        return;
    // A loop belongs to one model; a new model starts a new loop.
    m_looping = false;
    m_timer.stop();
    disconnect(m_confirmationWait);
    m_model = model;
    Q_EMIT viewModelChanged();
    update();
}

void PeriodicReloader::setRunning(bool running)
{
    if (std::exchange(m_running, running) == running)
        return;
    Q_EMIT runningChanged();
    update();
}

void PeriodicReloader::setInterval(int milliseconds)
{
    // Applies from the next wait on.
    if (std::exchange(m_interval, milliseconds) != milliseconds)
        Q_EMIT intervalChanged();
}

void PeriodicReloader::classBegin()
{
    m_complete = false;
}

void PeriodicReloader::componentComplete()
{
    m_complete = true;
    update();
}

bool PeriodicReloader::shouldRun() const
{
    return m_complete && m_running && m_model;
}

void PeriodicReloader::update()
{
    if (shouldRun() == m_looping)
        return;
    m_looping = !m_looping;
    ++m_loop;
    m_timer.stop();
    disconnect(m_confirmationWait);
    if (m_looping)
        reload();
}

void PeriodicReloader::reload()
{
    if (!m_looping || !m_model) {
        m_looping = false;
        return;
    }
    // The confirmation lists what will be moved, so the reload waits until it
    // closes; a move confirmed there takes its turn first.
    const Question *question = m_model->move()->question();
    if (question->isOpen()) {
        if (!m_confirmationWait)
            m_confirmationWait = connect(question, &Question::isOpenChanged, this, [this, question] {
                if (question->isOpen())
                    return;
                disconnect(m_confirmationWait);
                QMetaObject::invokeMethod(this, &PeriodicReloader::reload, Qt::QueuedConnection);
            });
        return;
    }
    // A reload refused because another workflow runs counts as done: the next
    // one follows a full period later.
    whenFinished(m_model->reload()->refresh(), [self = QPointer<PeriodicReloader>(this), loop = m_loop] {
        if (self && self->m_looping && self->m_loop == loop)
            self->m_timer.start(self->m_interval);
    });
}
