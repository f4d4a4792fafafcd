// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "PrinterListModel.h"

#include "DisplayText.h"
#include "ModelTexts.h"

PrinterListModel::PrinterListModel(QObject *parent)
    : IdentityListModel(parent)
{ }

int PrinterListModel::count() const
{
    return int(m_rows.size());
}

const Printer &PrinterListModel::printerAt(int row) const
{
    return m_rows.at(row).queue.printer;
}

bool PrinterListModel::isSelectedAt(int row) const
{
    return m_rows.at(row).isSelected;
}

QVariant PrinterListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Row &row = m_rows.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return row.queue.printer.name;
    case NameRole:
        return DisplayText::field(row.queue.printer.name);
    case IsSelectedRole:
        return row.isSelected;
    case StateTextRole:
        return ModelTexts::queueStateText(row.queue.printer);
    case FactsRole:
        return ModelTexts::destinationFacts(row.queue.printer, row.queue.waitingJobs);
    case AccessibleNameRole:
        return ModelTexts::printerAccessibleName(DisplayText::field(row.queue.printer.name),
                                                 ModelTexts::queueStateText(row.queue.printer));
    default:
        return {};
    }
}

QHash<int, QByteArray> PrinterListModel::roleNames() const
{
    return {
        {NameRole, "name"},   {IsSelectedRole, "isSelected"},         {StateTextRole, "stateText"},
        {FactsRole, "facts"}, {AccessibleNameRole, "accessibleName"},
    };
}

void PrinterListModel::update(const QList<PrinterEntry> &queues, const std::optional<QString> &selectedKey)
{
    QList<Row> rows;
    rows.reserve(queues.size());
    for (const PrinterEntry &queue : queues)
        rows.append(Row {queue, selectedKey && *selectedKey == queue.key});

    changeRows([&](Notifier &notifier) { m_rows.assign(std::move(rows), notifier); });
}
