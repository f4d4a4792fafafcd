// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "QueueName.h"

#include <QHashFunctions>
#include <QString>
#include <QStringView>

#include <optional>

// A job as the job listing names it: "queue-number", the queue the way it
// stands in the job's printer URI (non-ASCII bytes and "%" percent-encoded,
// B%C3%BCro-6) and the scheduler's job number. The listed text is kept
// verbatim, because lpmove must be given exactly what lpstat printed.
//
// Two identifiers are equal when their listed texts are canonically equal
// (NFC): that is a row's identity across reloads. Which CUPS job an identifier
// names is a question of its number, and listingKey() answers it: CUPS job numbers
// are integers, so "Farbe-007" names job 7.
class JobIdentifier
{
public:
    JobIdentifier() = default;
    explicit JobIdentifier(const QString &listed);

    // Whether `token` has the listed shape: text, "-", numeric characters.
    // The split is the last character that is exactly "-"; a dash that
    // carries a combining mark is another character.
    static bool isListedForm(QStringView token);
    // The identifier `token` names when it has the listed shape. Parsers take
    // this rather than asking isListedForm() first: splitting a name beyond
    // ASCII needs its grapheme clusters, and once is enough.
    static std::optional<JobIdentifier> fromListing(QStringView token);
    // jobKey() of the identifier listed as `token`, or none when it does not
    // have the listed form; cheaper than making the identifier first.
    static std::optional<QString> jobKeyOfListed(QStringView token);

    const QString &listed() const { return m_listed; }
    // Whether the listed text has the listed shape.
    bool isWellFormed() const { return m_wellFormed; }
    // The text before the split as listed (still percent-encoded); empty
    // when the text has no split.
    QStringView listedQueue() const;
    // The queue's real name, decoded the way the listing encodes it; the
    // listed queue unchanged when that is no well-formed encoding of UTF-8.
    QString queueName() const;
    // The text after the split ("007"); empty when the text has no split.
    QStringView numberText() const;
    // The job number; none when the text after the split is not a decimal
    // number CUPS could have printed.
    std::optional<qint64> number() const { return m_number; }

    // As people read it: the decoded queue name before "-" and the number
    // text (Büro-14); the listed text when it has no split.
    QString displayText() const { return displayText(queueName()); }
    // The same with the queue's name as the job's record holds it: after a
    // move the record, not the old listing, says where the job stands.
    QString displayText(const QString &queueName) const;

    // The form in which identifiers are equal, for hash keys.
    QString canonical() const;

    // The key under which CUPS takes two identifiers of one listing for the
    // same job: the listed queue as CUPS compares names and the number.
    // Identifiers without a number fall back to their whole text. The listed
    // queue is compared as listed: the listing encodes every name the same
    // way, and the encoded form is ASCII, which compares fastest.
    QString listingKey() const;
    // The same by the queue's real name, the key under which details about a
    // job find it: the scheduler names a job by its queue and its number. The
    // number alone is not enough: a job moved between two requests keeps its
    // number in another queue.
    QString jobKey() const;
    static QString jobKey(const QueueName &queue, qint64 number);
    // Which job CUPS takes the identifier for across listings: its number,
    // whatever queue the job stands in now (CUPS keeps a job's number when it
    // moves the job). An identifier without a number is its own job.
    QString numberKey() const;

    friend bool operator==(const JobIdentifier &lhs, const JobIdentifier &rhs);

private:
    JobIdentifier(QString listed, qsizetype split);

    QString m_listed;
    qsizetype m_split = -1;
    std::optional<qint64> m_number;
    bool m_wellFormed = false;
};

Q_DECLARE_TYPEINFO(JobIdentifier, Q_RELOCATABLE_TYPE);

size_t qHash(const JobIdentifier &identifier, size_t seed = 0) noexcept;
