// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "JobIdentifier.h"

#include "AsciiText.h"
#include "QueueName.h"
#include "TextRules.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

// "\n" and the number, the part of a job's key after its queue's.
QString numberSuffix(qint64 number)
{
    return u'\n' + QString::number(number);
}

// The key of job `number` in a queue whose name is plain ASCII, in one
// allocation: CUPS compares such names ignoring the case of their letters.
QString asciiKey(QStringView queue, qint64 number)
{
    std::array<char, 24> digits {};
    const auto end = std::to_chars(digits.begin(), digits.end(), number).ptr;
    QString key;
    key.reserve(queue.size() + 1 + (end - digits.begin()));
    for (const QChar c : queue)
        key.append(c >= u'A' && c <= u'Z' ? QChar(c.unicode() + (u'a' - u'A')) : c);
    key.append(u'\n');
    key.append(QLatin1StringView(digits.data(), end));
    return key;
}

// Offset of the "-" that splits a listed identifier, or -1 when `token` does
// not have the listed shape.
qsizetype listedSplit(QStringView token)
{
    const qsizetype dash = token.lastIndexOf(u'-');
    if (dash <= 0 || dash == token.size() - 1)
        return -1;

    if (AsciiText::isAscii(token)) {
        for (qsizetype i = dash + 1; i < token.size(); ++i) {
            if (!TextRules::isNumeric(token[i].unicode()))
                return -1;
        }
        return dash;
    }

    const TextRules::Clusters clusters(token);
    qsizetype split = -1;
    for (qsizetype index = clusters.count() - 1; index >= 0; --index) {
        const qsizetype offset = clusters.start(index);
        if (clusters.start(index + 1) - offset == 1 && token[offset] == u'-') {
            split = index;
            break;
        }
    }
    if (split <= 0 || split == clusters.count() - 1)
        return -1;
    for (qsizetype index = split + 1; index < clusters.count(); ++index) {
        if (!TextRules::isNumeric(clusters.firstCodePoint(index)))
            return -1;
    }
    return clusters.start(split);
}

// Only what CUPS prints for a job id ("%d"): ASCII digits that fit. Other
// numeric characters make a well-formed listing, but name no job.
std::optional<qint64> decimalNumber(QStringView digits)
{
    if (digits.isEmpty())
        return std::nullopt;
    qint64 number = 0;
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        const int digit = c.unicode() - u'0';
        if (number > (std::numeric_limits<qint64>::max() - digit) / 10)
            return std::nullopt;
        number = number * 10 + digit;
    }
    return number;
}

} // namespace

JobIdentifier::JobIdentifier(const QString &listed)
    : m_listed(listed)
    , m_split(listedSplit(listed))
    , m_wellFormed(m_split > 0)
{
    // A text that is not well-formed still splits at its last "-" for
    // display, as people would read it.
    if (!m_wellFormed)
        m_split = m_listed.lastIndexOf(u'-');
    else
        m_number = decimalNumber(numberText());
}

JobIdentifier::JobIdentifier(QString listed, qsizetype split)
    : m_listed(std::move(listed))
    , m_split(split)
    , m_wellFormed(true)
{
    m_number = decimalNumber(numberText());
}

bool JobIdentifier::isListedForm(QStringView token)
{
    return listedSplit(token) > 0;
}

std::optional<JobIdentifier> JobIdentifier::fromListing(QStringView token)
{
    const qsizetype split = listedSplit(token);
    if (split <= 0)
        return std::nullopt;
    return JobIdentifier(token.toString(), split);
}

QStringView JobIdentifier::listedQueue() const
{
    return m_split > 0 ? QStringView(m_listed).first(m_split) : QStringView();
}

QString JobIdentifier::queueName() const
{
    return QueueName::decode(listedQueue());
}

QStringView JobIdentifier::numberText() const
{
    return m_split > 0 ? QStringView(m_listed).sliced(m_split + 1) : QStringView();
}

QString JobIdentifier::displayText(const QString &queueName) const
{
    if (m_split <= 0 || queueName.isEmpty())
        return m_listed;
    return queueName + m_listed.sliced(m_split);
}

QString JobIdentifier::canonical() const
{
    return TextRules::canonical(m_listed);
}

QString JobIdentifier::listingKey() const
{
    if (!m_number)
        return QueueName::keyOf(m_listed);
    const QStringView queue = listedQueue();
    return AsciiText::isAscii(queue) ? asciiKey(queue, *m_number)
                                     : QueueName::keyOf(queue.toString()) + numberSuffix(*m_number);
}

std::optional<QString> JobIdentifier::jobKeyOfListed(QStringView token)
{
    const qsizetype split = listedSplit(token);
    if (split <= 0)
        return std::nullopt;
    // The common case, a plain ASCII queue and a CUPS number, without the
    // copies a JobIdentifier would make: the detailed listing asks for
    // thousands of these.
    const QStringView queue = token.first(split);
    const std::optional<qint64> number = decimalNumber(token.sliced(split + 1));
    if (number && AsciiText::isAscii(queue) && !queue.contains(u'%'))
        return asciiKey(queue, *number);
    return JobIdentifier(token.toString(), split).jobKey();
}

QString JobIdentifier::jobKey() const
{
    // The listing encodes only non-ASCII bytes and "%": a queue listed
    // without "%" is its real name, and the listing's key is already this one.
    if (!m_number || !listedQueue().contains(u'%'))
        return listingKey();
    return jobKey(QueueName(queueName()), *m_number);
}

QString JobIdentifier::jobKey(const QueueName &queue, qint64 number)
{
    return queue.key() + u'\n' + QString::number(number);
}

QString JobIdentifier::numberKey() const
{
    if (m_number)
        return QString::number(*m_number);
    return u'\n' + numberText().toString();
}

bool operator==(const JobIdentifier &lhs, const JobIdentifier &rhs)
{
    return TextRules::canonicallyEqual(lhs.m_listed, rhs.m_listed);
}

size_t qHash(const JobIdentifier &identifier, size_t seed) noexcept
{
    return qHash(identifier.canonical(), seed);
}
