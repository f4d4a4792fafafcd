// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "JobListModel.h"

#include "DisplayText.h"
#include "ModelTexts.h"

JobListModel::JobListModel(QObject *parent)
    : IdentityListModel(parent)
    , m_today(QDate::currentDate())
{
    m_dayChange.setSingleShot(true);
    // A second late rather than early: a coarser timer may fire minutes off
    // over a day.
    m_dayChange.setTimerType(Qt::VeryCoarseTimer);
    connect(&m_dayChange, &QTimer::timeout, this, [this] {
        setToday(QDate::currentDate());
        scheduleDayChange();
    });
    scheduleDayChange();
}

void JobListModel::scheduleDayChange()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QDateTime midnight = now.date().addDays(1).startOfDay();
    m_dayChange.start(std::chrono::milliseconds(now.msecsTo(midnight) + 1'000));
}

void JobListModel::setToday(const QDate &today)
{
    if (m_today == today)
        return;
    m_today = today;
    if (count() > 0)
        Q_EMIT dataChanged(index(0), index(count() - 1), {FactsRole});
}

int JobListModel::count() const
{
    return int(m_rows.size());
}

const PrintJob &JobListModel::jobAt(int row) const
{
    return m_rows.at(row).job();
}

bool JobListModel::isSelectedAt(int row) const
{
    return m_rows.at(row).selected;
}

QVariant JobListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const JobEntry &row = m_rows.at(index.row());
    const PrintJob &job = row.job();
    switch (role) {
    case Qt::DisplayRole:
    case IdentifierRole:
        return job.identifier;
    case DisplayTitleRole:
        return ModelTexts::jobTitle(job);
    case SourcePrinterNameRole:
        return DisplayText::field(job.sourcePrinterName);
    case OwnerRole:
        return DisplayText::field(job.owner.value_or(QString()));
    case HasOwnerRole:
        return job.owner && !job.owner->isEmpty();
    case AccessibleDescriptionRole:
        return ModelTexts::jobAccessibleDescription(job);
    case IsSelectedRole:
        return row.selected;
    case DisplayIdentifierRole:
        return ModelTexts::displayIdentifier(job);
    case StateTextRole:
        return ModelTexts::jobStateText(job);
    case IsBeingPrintedRole:
        return job.state == PrintJob::State::Processing;
    case FactsRole:
        return ModelTexts::jobFacts(job, m_today);
    default:
        return {};
    }
}

QHash<int, QByteArray> JobListModel::roleNames() const
{
    return {
        {IdentifierRole, "identifier"},
        {DisplayTitleRole, "displayTitle"},
        {SourcePrinterNameRole, "sourcePrinterName"},
        {OwnerRole, "owner"},
        {HasOwnerRole, "hasOwner"},
        {AccessibleDescriptionRole, "accessibleDescription"},
        {IsSelectedRole, "isSelected"},
        {DisplayIdentifierRole, "displayIdentifier"},
        {StateTextRole, "stateText"},
        {IsBeingPrintedRole, "isBeingPrinted"},
        {FactsRole, "facts"},
    };
}

void JobListModel::update(const QList<JobEntry> &entries)
{
    // The timer counts no time the machine slept.
    setToday(QDate::currentDate());
    changeRows([&](Notifier &notifier) { m_rows.assign(entries, notifier); });
}

void JobListModel::refill(QList<JobEntry> entries)
{
    changeRows([&](Notifier &notifier) { m_rows.refill(std::move(entries), notifier); });
}

void JobListModel::updateSelection(const QList<JobEntry> &entries)
{
    Notifier notifier {this, {IsSelectedRole}};
    qsizetype next = 0; // the entry of the next row
    m_rows.changeEach(
        [&entries, &next](qsizetype, JobEntry &row) {
            while (!entries.at(next).shown)
                ++next;
            Q_ASSERT(entries.at(next).key() == row.key());
            const bool selected = entries.at(next++).selected;
            if (row.selected == selected)
                return false;
            row.selected = selected;
            return true;
        },
        notifier);
}
