// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "IdentityListModel.h"
#include "IdentityRows.h"
#include "JobEntry.h"

#include <QDate>
#include <QTimer>
#include <QtQml/qqmlregistration.h>

// The rows of the job pane: the waiting jobs in listing order with their
// selection state. A job keeps its row for as long as it is listed.
//
// Every text role is as the window shows it (ModelTexts, DisplayText); the
// identifier role and Qt::DisplayRole are the identifier as listed.
class JobListModel : public IdentityListModel
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Provided by PrintJobsViewModel.jobModel")

public:
    enum Role {
        IdentifierRole = Qt::UserRole + 1,
        DisplayTitleRole,
        SourcePrinterNameRole,
        OwnerRole,
        HasOwnerRole,
        AccessibleDescriptionRole,
        IsSelectedRole,
        DisplayIdentifierRole,
        StateTextRole,
        IsBeingPrintedRole,
        FactsRole,
    };
    Q_ENUM(Role)

    explicit JobListModel(QObject *parent = nullptr);

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    int count() const override;
    const PrintJob &jobAt(int row) const;

    // Shows `entries`, matched to the rows by their keys.
    void update(const QList<JobEntry> &entries);
    // Shows `entries` row by row in the rows there are, without matching
    // them: for a filter that hides or shows thousands of scattered rows,
    // which update() would announce one gap at a time.
    void refill(QList<JobEntry> entries);
    // Only the selected flags changed; the rows are the entries of `entries`
    // that are shown. Cheaper than update() on every click.
    void updateSelection(const QList<JobEntry> &entries);

    // The day the rows' small print is written for ("heute", "gestern"). It
    // follows the clock by itself: at midnight, and at the next update after
    // the machine slept through one.
    QDate today() const { return m_today; }
    void setToday(const QDate &today);

protected:
    bool isSelectedAt(int row) const override;

private:
    struct RowTraits
    {
        static const QString &key(const JobEntry &row) { return row.key(); }
        static bool sameContent(const JobEntry &lhs, const JobEntry &rhs) { return lhs.showsSameAs(rhs); }
    };

    // Waits for the next local midnight.
    void scheduleDayChange();

    IdentityRows<JobEntry, RowTraits> m_rows;
    QDate m_today;
    QTimer m_dayChange;
};
