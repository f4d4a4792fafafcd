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
    // Decides the scheduler once, as libcups would (`requested`, else
    // CUPS_SERVER, the client configuration, this machine's socket), and
    // names it in CUPS_SERVER: the tools and libcups read that variable
    // before any client configuration, so a configuration changed later
    // cannot send one part of the run elsewhere. current() returns it from
    // then on. Call before any other thread runs.
    static SchedulerAddress pin(const QString &requested = {});

    const QString &host() const { return m_host; }
    int port() const { return m_port; }
    // This machine's own scheduler: a local socket, or a loopback address or
    // "localhost" at the IPP port. Any other port on loopback is most often
    // a tunnel to another machine.
    bool isLocal() const;
    // "druck01.example:631"; a local socket by its path alone. CUPS_SERVER
    // takes the same form.
    QString displayText() const;

private:
    QString m_host;
    int m_port;
};
