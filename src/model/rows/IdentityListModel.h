// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractListModel>
#include <QtQml/qqmlregistration.h>

// What the window's row models have in common: their rows live in an
// IdentityRows, whose changes reach the view through a Notifier, and QML
// reads their row count as `count`, announced when it changes.
class IdentityListModel : public QAbstractListModel
{
    Q_OBJECT
    QML_ANONYMOUS

    Q_PROPERTY(int count READ count NOTIFY countChanged FINAL)

public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : count(); }
    virtual int count() const = 0;
    // Where the keyboard enters the list when it has no row of its own to
    // return to: the first selected job or the chosen destination among the
    // rows, -1 when there is none.
    Q_INVOKABLE int firstSelectedRow() const
    {
        for (int row = 0; row < count(); ++row) {
            if (isSelectedAt(row))
                return row;
        }
        return -1;
    }

Q_SIGNALS:
    void countChanged();

protected:
    virtual bool isSelectedAt(int row) const = 0;

    // Hands IdentityRows' changes to the view.
    struct Notifier
    {
        IdentityListModel *model;
        QList<int> roles; // of a content change; empty for "all"

        void beginRemoveRows(qsizetype first, qsizetype last) { model->beginRemoveRows({}, int(first), int(last)); }
        void endRemoveRows() { model->endRemoveRows(); }
        void beginInsertRows(qsizetype first, qsizetype last) { model->beginInsertRows({}, int(first), int(last)); }
        void endInsertRows() { model->endInsertRows(); }
        void dataChanged(qsizetype first, qsizetype last)
        {
            Q_EMIT model->dataChanged(model->index(int(first)), model->index(int(last)), roles);
        }
    };

    // Lets `change` change the rows through a Notifier for `roles`, then
    // announces the count if it changed.
    template<typename Change> void changeRows(Change change, const QList<int> &roles = {})
    {
        Notifier notifier {this, roles};
        const int before = count();
        change(notifier);
        if (count() != before)
            Q_EMIT countChanged();
    }
};
