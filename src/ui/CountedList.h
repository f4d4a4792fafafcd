// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractItemModel>
#include <QPointer>
#include <QQuickItem>
#include <QString>
#include <QtQml/qqmlregistration.h>

// The item a lazily built list stands on. Its view creates only the rows near
// the visible part, but assistive technology must learn how many rows there
// are and where each one stands ("3 von 150"): to it, this item is a list of
// every row of `rows`, whether or not the row exists on screen. Rows that do
// exist are the view's own; for the others the list answers from the model
// (`rowNameRole` names them, "isSelected" says whether they are checked).
class CountedList : public QQuickItem
{
    Q_OBJECT
    QML_ELEMENT

    Q_PROPERTY(QAbstractItemModel *rows READ rows WRITE setRows NOTIFY rowsChanged FINAL)
    // The list view whose delegates are the rows that exist.
    Q_PROPERTY(QQuickItem *rowView READ view WRITE setView NOTIFY viewChanged FINAL)
    Q_PROPERTY(QString rowNameRole READ rowNameRole WRITE setRowNameRole NOTIFY rowNameRoleChanged FINAL)
    // Radio buttons of which one is chosen, rather than items selected any
    // number at a time.
    Q_PROPERTY(bool rowsAreChoices READ rowsAreChoices WRITE setRowsAreChoices NOTIFY rowsAreChoicesChanged FINAL)

public:
    explicit CountedList(QQuickItem *parent = nullptr);

    QAbstractItemModel *rows() const { return m_rows; }
    void setRows(QAbstractItemModel *rows);
    QQuickItem *view() const { return m_view; }
    void setView(QQuickItem *view);
    const QString &rowNameRole() const { return m_rowNameRole; }
    void setRowNameRole(const QString &role);
    bool rowsAreChoices() const { return m_rowsAreChoices; }
    void setRowsAreChoices(bool choices);

    int rowCount() const;
    // The view's delegate for `row`, while it exists.
    QQuickItem *rowItem(int row) const;
    // Which row a delegate of the view shows; -1 for any other item.
    int rowOf(const QQuickItem *item) const;
    QString rowName(int row) const;
    bool isRowChecked(int row) const;

Q_SIGNALS:
    void rowsChanged();
    void viewChanged();
    void rowNameRoleChanged();
    void rowsAreChoicesChanged();
    // The rows came or went: answers about rows that do not exist are stale.
    void rowsRenumbered();

private:
    int roleNamed(const QByteArray &name) const;

    QPointer<QAbstractItemModel> m_rows;
    QPointer<QQuickItem> m_view;
    QString m_rowNameRole;
    bool m_rowsAreChoices = false;
};
