// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "PrintJobsViewModel.h"

#include "ModelTexts.h"

#include <SchedulerAddress.h>

PrintJobsViewModel::PrintJobsViewModel(QObject *parent)
    : PrintJobsViewModel(CUPSService(), parent)
{ }

PrintJobsViewModel::PrintJobsViewModel(const CUPSService &service, QObject *parent)
    : QObject(parent)
    , m_state(service, ModelTexts::schedulerLine(SchedulerAddress::current()), this)
    , m_notices(m_state, this)
    , m_selection(m_state, this)
    , m_reload(m_state, this)
    , m_work(m_state, m_reload, this)
    , m_undo(m_state, m_reload, m_work, this)
    , m_move(m_state, m_reload, m_work, m_undo, this)
    , m_actions(m_state, m_work, this)
{ }

PrintJobsViewModel::~PrintJobsViewModel() = default;
