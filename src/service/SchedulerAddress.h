// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Which scheduler lpstat, lpmove and the details reach: the one CUPS_SERVER
// or the client configuration names (as libcups reads them), else the one on
// this machine. Somebody about to move jobs must know when it is another
// machine's.
class SchedulerAddress
{
public:
    SchedulerAddress(const QString &host, int port);
    // As libcups resolves it now.
    static SchedulerAddress current();

    const QString &host() const { return m_host; }
    int port() const { return m_port; }
    // A local socket, a loopback address or "localhost".
    bool isLocal() const;
    // "druck01.example:631"; a local socket by its path alone.
    QString displayText() const;

private:
    QString m_host;
    int m_port;
};
