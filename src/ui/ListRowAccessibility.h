// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessibleInterface>
#include <QPointer>

class CountedList;

// A row of a CountedList that has no item at the moment (it lies far from
// the visible part): its name and checked state come from the model, its
// place from its row. Off screen and without a size until the list scrolls
// it into view, when the view's own item answers instead.
class ListRowAccessibility : public QAccessibleInterface
{
public:
    ListRowAccessibility(CountedList *list, int row);

    int row() const { return m_row; }

    bool isValid() const override;
    QObject *object() const override { return nullptr; }
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text type) const override;
    void setText(QAccessible::Text, const QString &) override { }
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    QRect rect() const override { return {}; }

private:
    QPointer<CountedList> m_list;
    int m_row;
};
