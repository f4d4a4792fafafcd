// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "RequestWatchdog.h"

#include <QByteArray>
#include <QString>

#include <cups/http.h>

#include <memory>

// The scheduler's addresses, looked up within the request's time limit. The
// C library's name lookup cannot be interrupted, and a name server that never
// answers would hold a request past its limit before the watchdog could end
// it, so the lookup runs on a thread of its own, which it owns and which
// ends whenever the C library lets it. What it finds is handed to
// httpConnect2(), which then looks up nothing itself.
class AddressLookup
{
public:
    struct AddressListDeleter
    {
        void operator()(http_addrlist_t *list) const { httpAddrFreeList(list); }
    };
    using AddressList = std::unique_ptr<http_addrlist_t, AddressListDeleter>;

    struct Result
    {
        // Empty when nothing was found or the time ran out.
        AddressList addresses;
        // Why nothing was found, in the user's language; empty when the time ran out.
        QString reason;
    };

    // `host` as cupsServer() names it (a socket path, a name or an address).
    static Result lookUp(const QByteArray &host, int port, const RequestWatchdog &watchdog);
};
