// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "CountedList.h"

#include "CountedListAccessibility.h"

CountedList::CountedList(QQuickItem *parent)
    : QQuickItem(parent)
{
    CountedListAccessibility::install();
}

void CountedList::setRows(QAbstractItemModel *rows)
{
    if (m_rows == rows)
        return;
    if (m_rows)
        disconnect(m_rows, nullptr, this, nullptr);
    m_rows = rows;
    if (m_rows) {
        connect(m_rows, &QAbstractItemModel::modelReset, this, &CountedList::rowsRenumbered);
        connect(m_rows, &QAbstractItemModel::layoutChanged, this, &CountedList::rowsRenumbered);
        connect(m_rows, &QAbstractItemModel::rowsInserted, this, &CountedList::rowsRenumbered);
        connect(m_rows, &QAbstractItemModel::rowsRemoved, this, &CountedList::rowsRenumbered);
        connect(m_rows, &QAbstractItemModel::rowsMoved, this, &CountedList::rowsRenumbered);
    }
    Q_EMIT rowsChanged();
    Q_EMIT rowsRenumbered();
}

void CountedList::setView(QQuickItem *view)
{
    if (m_view == view)
        return;
    m_view = view;
    Q_EMIT viewChanged();
}

void CountedList::setRowNameRole(const QString &role)
{
    if (m_rowNameRole == role)
        return;
    m_rowNameRole = role;
    Q_EMIT rowNameRoleChanged();
}

void CountedList::setRowsAreChoices(bool choices)
{
    if (m_rowsAreChoices == choices)
        return;
    m_rowsAreChoices = choices;
    Q_EMIT rowsAreChoicesChanged();
}

int CountedList::rowCount() const
{
    return m_rows ? m_rows->rowCount() : 0;
}

QQuickItem *CountedList::rowItem(int row) const
{
    QQuickItem *item = nullptr;
    if (m_view)
        QMetaObject::invokeMethod(m_view, "itemAtIndex", Q_RETURN_ARG(QQuickItem *, item), Q_ARG(int, row));
    return item;
}

int CountedList::rowOf(const QQuickItem *item) const
{
    if (!item || !m_view || !m_view->isAncestorOf(item))
        return -1;
    bool isRow = false;
    const int row = item->property("index").toInt(&isRow);
    // A delegate kept for reuse is not one of the rows until it is reused.
    return isRow && row >= 0 && row < rowCount() && rowItem(row) == item ? row : -1;
}

QString CountedList::rowName(int row) const
{
    if (!m_rows)
        return {};
    return m_rows->data(m_rows->index(row, 0), roleNamed(m_rowNameRole.toUtf8())).toString();
}

bool CountedList::isRowChecked(int row) const
{
    if (!m_rows)
        return false;
    return m_rows->data(m_rows->index(row, 0), roleNamed("isSelected")).toBool();
}

int CountedList::roleNamed(const QByteArray &name) const
{
    return m_rows ? m_rows->roleNames().key(name, -1) : -1;
}
