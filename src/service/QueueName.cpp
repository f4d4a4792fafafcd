// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "QueueName.h"

#include "TextRules.h"

#include <QCollator>
#include <QStringDecoder>

#include <algorithm>
#include <cctype>
#include <numeric>

QueueName::QueueName(const QString &name)
    : QueueName(name, name)
{ }

QueueName::QueueName(QString listed, QString decoded)
    : m_listed(std::move(listed))
    , m_decoded(std::move(decoded))
    , m_key(keyOf(m_decoded))
{ }

QueueName QueueName::fromJobListing(QStringView encoded)
{
    return QueueName(encoded.toString(), decode(encoded));
}

QString QueueName::canonical() const
{
    return TextRules::canonical(m_decoded);
}

QString QueueName::decode(QStringView encoded)
{
    if (!encoded.contains(u'%'))
        return encoded.toString();
    const auto isHex = [](QChar c) {
        return std::isxdigit(static_cast<unsigned char>(c.unicode())) && c.unicode() < 0x80;
    };
    for (qsizetype i = encoded.indexOf(u'%'); i >= 0; i = encoded.indexOf(u'%', i + 3)) {
        if (i + 2 >= encoded.size() || !isHex(encoded[i + 1]) || !isHex(encoded[i + 2]))
            return encoded.toString();
    }
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = decoder.decode(QByteArray::fromPercentEncoding(encoded.toUtf8()));
    if (decoder.hasError() || decoded.isEmpty())
        return encoded.toString();
    return decoded;
}

QString QueueName::keyOf(const QString &name)
{
    QString folded = TextRules::canonical(name);
    for (QChar &unit : folded) {
        if (unit >= u'A' && unit <= u'Z')
            unit = QChar(unit.unicode() + (u'a' - u'A'));
    }
    return folded;
}

QList<qsizetype> QueueName::order(const QStringList &names)
{
    // Sort keys give one consistent order for every pair, also for odd text
    // (such as embedded NULs) where comparing directly can disagree with them.
    QCollator collator; // the user's current locale
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    // Q2 before Q10, as people count.
    collator.setNumericMode(true);
    QList<QCollatorSortKey> keys;
    keys.reserve(names.size());
    for (const QString &name : names)
        keys.append(collator.sortKey(name));
    QList<qsizetype> order(names.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&keys](qsizetype lhs, qsizetype rhs) { return keys[lhs].compare(keys[rhs]) < 0; });
    return order;
}
