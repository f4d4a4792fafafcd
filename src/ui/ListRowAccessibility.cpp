// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "ListRowAccessibility.h"

#include "CountedList.h"

ListRowAccessibility::ListRowAccessibility(CountedList *list, int row)
    : m_list(list)
    , m_row(row)
{ }

bool ListRowAccessibility::isValid() const
{
    return m_list && m_row < m_list->rowCount();
}

QAccessibleInterface *ListRowAccessibility::parent() const
{
    return QAccessible::queryAccessibleInterface(m_list);
}

QString ListRowAccessibility::text(QAccessible::Text type) const
{
    return type == QAccessible::Name && isValid() ? m_list->rowName(m_row) : QString();
}

QAccessible::Role ListRowAccessibility::role() const
{
    return m_list && m_list->rowsAreChoices() ? QAccessible::RadioButton : QAccessible::ListItem;
}

QAccessible::State ListRowAccessibility::state() const
{
    QAccessible::State state;
    state.offscreen = true;
    state.focusable = true;
    state.checkable = true;
    state.checked = isValid() && m_list->isRowChecked(m_row);
    return state;
}
