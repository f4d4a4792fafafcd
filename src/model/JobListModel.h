#pragma once

#include "IdentityRows.h"

#include <PrintJob.h>

#include <QAbstractListModel>
#include <QSet>
#include <QtQml/qqmlregistration.h>

// The rows of the job pane: the waiting jobs in listing order with their
// selection state. A job keeps its row for as long as it is listed.
class JobListModel : public QAbstractListModel
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Provided by PrintJobsViewModel.jobModel")

    Q_PROPERTY(int count READ count NOTIFY countChanged FINAL)

public:
    enum Role {
        IdentifierRole = Qt::UserRole + 1,
        DisplayTitleRole,
        SourcePrinterNameRole,
        OwnerRole,
        HasOwnerRole,
        AccessibleDescriptionRole,
        IsSelectedRole,
    };
    Q_ENUM(Role)

    explicit JobListModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    int count() const;
    const PrintJob &jobAt(int row) const;

    // Shows `jobs`; `keys` holds the canonical identifier of each job, and a
    // job is selected when its key is in `selectedKeys`.
    void update(const QList<PrintJob> &jobs, const QList<QString> &keys, const QSet<QString> &selectedKeys);
    // Only the selection changed: `selected` holds one flag per row. Cheaper
    // than update() on every click.
    void updateSelection(const QList<bool> &selected);

Q_SIGNALS:
    void countChanged();

private:
    struct Row
    {
        PrintJob job;
        QString identity;
        bool isSelected = false;

        const QString &key() const { return identity; }
        // Same text as shown, exactly; canonical equality would hide a
        // re-encoded name from the view.
        friend bool operator==(const Row &lhs, const Row &rhs)
        {
            return lhs.isSelected == rhs.isSelected && lhs.job.identifier == rhs.job.identifier
                && lhs.job.sourcePrinterName == rhs.job.sourcePrinterName && lhs.job.owner == rhs.job.owner
                && lhs.job.title == rhs.job.title;
        }
    };

    struct Notifier;

    IdentityRows<Row> m_rows;
};
