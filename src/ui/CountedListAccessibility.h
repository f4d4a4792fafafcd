// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessibleObject>
#include <QHash>

class CountedList;

// What assistive technology reads of a CountedList: a list with one child
// per row of its model, in the model's order, so a row's place and the count
// are right ("3 von 150") although only the rows near the visible part exist.
// A row that exists is the view's own item; one that does not is answered
// for by a ListRowAccessibility made when first asked for, and dropped when
// the rows change.
class CountedListAccessibility : public QAccessibleObject
{
public:
    explicit CountedListAccessibility(CountedList *list);
    ~CountedListAccessibility() override;

    // Makes every CountedList answer through this class. Qt asks the most
    // recently installed factory first, so this one, installed once the
    // window's items exist, comes before Qt Quick's.
    static void install();

    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QString text(QAccessible::Text type) const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    QRect rect() const override;
    QWindow *window() const override;

private:
    CountedList *list() const;
    void forgetAbsentRows();

    mutable QHash<int, QAccessible::Id> m_absentRows;
    QMetaObject::Connection m_renumbering;
};
