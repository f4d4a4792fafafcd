// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "IdentityListModel.h"
#include "IdentityRows.h"
#include "PrinterEntry.h"

#include <QtQml/qqmlregistration.h>

#include <optional>

// The rows of the destination pane: the queues that may receive the selected
// jobs, with the chosen one marked. A queue keeps its row for as long as it is
// offered. The name role is the name as the window shows it (DisplayText),
// Qt::DisplayRole the name as listed.
class PrinterListModel : public IdentityListModel
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Provided by PrintJobsViewModel.destinationModel")

public:
    enum Role {
        NameRole = Qt::UserRole + 1,
        IsSelectedRole,
        StateTextRole,
        FactsRole,
        // "Drucker Büro", with its state when it is stopped or rejects.
        AccessibleNameRole,
    };
    Q_ENUM(Role)

    explicit PrinterListModel(QObject *parent = nullptr);

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    int count() const override;
    const Printer &printerAt(int row) const;

    // Shows `queues`; the one whose key equals `selectedKey` is marked.
    void update(const QList<PrinterEntry> &queues, const std::optional<QString> &selectedKey);

protected:
    bool isSelectedAt(int row) const override;

private:
    struct Row
    {
        PrinterEntry queue;
        bool isSelected = false;
    };
    struct RowTraits
    {
        static const QString &key(const Row &row) { return row.queue.key; }
        static bool sameContent(const Row &lhs, const Row &rhs)
        {
            const Printer &left = lhs.queue.printer;
            const Printer &right = rhs.queue.printer;
            return lhs.isSelected == rhs.isSelected && left.name == right.name && left.stopped == right.stopped
                && left.acceptingJobs == right.acceptingJobs && left.stateMessage == right.stateMessage
                && left.location == right.location && left.info == right.info
                && lhs.queue.waitingJobs == rhs.queue.waitingJobs;
        }
    };

    IdentityRows<Row, RowTraits> m_rows;
};
