// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "SchedulerAddress.h"

#include <QRegularExpression>

#include <cups/cups.h>

using namespace Qt::StringLiterals;

SchedulerAddress::SchedulerAddress(const QString &host, int port)
    : m_host(host)
    , m_port(port)
{ }

SchedulerAddress SchedulerAddress::current()
{
    // libcups keeps what it read per thread: read CUPS_SERVER and the client
    // configuration afresh.
    cupsSetServer(nullptr);
    return SchedulerAddress(QString::fromUtf8(cupsServer()), ippPort());
}

SchedulerAddress SchedulerAddress::pin(const QString &requested)
{
    if (!requested.isEmpty())
        qputenv("CUPS_SERVER", requested.toLocal8Bit());
    const SchedulerAddress address = current();
    // A CUPS_SERVER already set wins over every client configuration; set
    // anew it would lose what libcups keeps apart from host and port.
    if (qEnvironmentVariableIsEmpty("CUPS_SERVER"))
        qputenv("CUPS_SERVER", address.displayText().toLocal8Bit());
    return address;
}

bool SchedulerAddress::isLocal() const
{
    if (m_host.startsWith(u'/'))
        return true;
    // The port the scheduler of this machine listens on.
    constexpr int ippPort = 631;
    if (m_port != ippPort)
        return false;
    if (m_host.compare(u"localhost"_s, Qt::CaseInsensitive) == 0
        || m_host.endsWith(u".localhost"_s, Qt::CaseInsensitive))
        return true;
    QString literal = m_host;
    if (literal.startsWith(u'[') && literal.endsWith(u']'))
        literal = literal.sliced(1, literal.size() - 2);
    // 127.0.0.0/8, ::1 in its short and long forms, and 127/8 mapped into IPv6.
    static const QRegularExpression loopback(u"^((::ffff:)?127(\\.[0-9]{1,3}){3}|(0{0,4}:){2,7}0{0,3}1)$"_s,
                                             QRegularExpression::CaseInsensitiveOption);
    return loopback.match(literal).hasMatch();
}

QString SchedulerAddress::displayText() const
{
    if (m_host.startsWith(u'/'))
        return m_host;
    const bool bareIPv6 = m_host.contains(u':') && !m_host.startsWith(u'[');
    return (bareIPv6 ? u"["_s + m_host + u"]"_s : m_host) + u":"_s + QString::number(m_port);
}
