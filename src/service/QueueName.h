// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include <QHashFunctions>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// A CUPS queue's name. The text stays as it was listed, because lpmove must
// be given exactly that; the job listing writes a queue the way it stands in
// the job's printer URI (non-ASCII bytes and "%" percent-encoded, B%C3%BCro),
// so decoded() is the queue's real name.
//
// Two names are equal when CUPS takes them for the same queue: their real
// names canonically equal (NFC) once ASCII letters are folded to lower case
// (CUPS ignores their case, and only theirs). key() is that form, for hash
// keys. canonical() keeps the case: the listing's spelling, for whoever must
// keep two spellings apart.
class QueueName
{
public:
    // A queue as a job identifier lists it, percent-encoded.
    static QueueName fromJobListing(QStringView encoded);
    // A real name, as the queue listing, the scheduler or a record gives it.
    explicit QueueName(const QString &name);
    QueueName() = default;

    const QString &listed() const { return m_listed; }
    const QString &decoded() const { return m_decoded; }
    const QString &key() const { return m_key; }
    QString canonical() const;
    bool isEmpty() const { return m_listed.isEmpty(); }

    // The real name of a percent-encoded queue; the text unchanged when it is
    // not a well-formed encoding of UTF-8.
    static QString decode(QStringView encoded);
    // key() of a name, for whoever needs nothing else of it.
    static QString keyOf(const QString &name);

    // The order in which queue names are shown, as indexes into `names`: the
    // user's locale, case-insensitive, numbers as people count (Q2 before
    // Q10), stable.
    static QList<qsizetype> order(const QStringList &names);
    // `records` in the order their names are shown in.
    template<typename Record, typename NameOf> static QList<Record> sorted(QList<Record> records, NameOf nameOf)
    {
        QStringList names;
        names.reserve(records.size());
        for (const Record &record : std::as_const(records))
            names.append(nameOf(record));
        QList<Record> sorted;
        sorted.reserve(records.size());
        for (qsizetype index : order(names))
            sorted.append(std::move(records[index]));
        return sorted;
    }

    friend bool operator==(const QueueName &lhs, const QueueName &rhs) { return lhs.m_key == rhs.m_key; }

private:
    QueueName(QString listed, QString decoded);

    QString m_listed;
    QString m_decoded;
    QString m_key;
};

Q_DECLARE_TYPEINFO(QueueName, Q_RELOCATABLE_TYPE);

inline size_t qHash(const QueueName &name, size_t seed = 0) noexcept
{
    return qHash(name.key(), seed);
}
