// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "ScriptedEndpoint.h"

#include <QByteArray>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// Reads up to the end of the request's headers; false when the peer left.
bool readHeaders(int client)
{
    QByteArray received;
    char buffer[4096];
    while (!received.contains("\r\n\r\n")) {
        const ssize_t bytes = ::recv(client, buffer, sizeof buffer, 0);
        if (bytes <= 0)
            return false;
        received.append(buffer, bytes);
    }
    return true;
}

void answer(int client, const QByteArray &statusLine, const QByteArray &fields)
{
    const QByteArray response = "HTTP/1.1 " + statusLine + "\r\n" + fields + "Content-Length: 0\r\n\r\n";
    (void)::send(client, response.constData(), size_t(response.size()), MSG_NOSIGNAL);
}

} // namespace

ScriptedEndpoint::ScriptedEndpoint(Script script)
    : m_script(script)
{
    m_listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (m_listener < 0 || ::bind(m_listener, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0
        || ::listen(m_listener, 64) != 0
        || ::getsockname(m_listener, reinterpret_cast<sockaddr *>(&address), &length) != 0)
        return;
    m_port = ntohs(address.sin_port);
    m_thread = std::thread([this] { serve(); });
}

ScriptedEndpoint::~ScriptedEndpoint()
{
    m_stopping = true;
    if (m_thread.joinable())
        m_thread.join();
    for (const int client : m_clients)
        ::close(client);
    if (m_listener >= 0)
        ::close(m_listener);
}

QString ScriptedEndpoint::address() const
{
    return m_port > 0 ? u"127.0.0.1:%1"_s.arg(m_port) : QString();
}

void ScriptedEndpoint::serve()
{
    while (!m_stopping) {
        pollfd listening {m_listener, POLLIN, 0};
        if (::poll(&listening, 1, 50) <= 0)
            continue;
        const int client = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0)
            continue;
        m_clients.push_back(client);
        // A client that connects and sends nothing must not stall the script.
        const timeval patience {2, 0};
        ::setsockopt(client, SOL_SOCKET, SO_RCVTIMEO, &patience, sizeof patience);
        const int number = ++m_connections;
        // One request per connection is all the client sends before it
        // waits, so answering on this thread keeps the script simple.
        switch (m_script) {
        case Script::UpgradeThenSilent:
            if (number == 1 && readHeaders(client))
                answer(client, "426 Upgrade Required", "Connection: Upgrade\r\nUpgrade: TLS/1.2,HTTP/1.1\r\n");
            break;
        case Script::Silent:
            break;
        case Script::Unauthorized:
            if (readHeaders(client))
                answer(client, "401 Unauthorized", "WWW-Authenticate: Basic realm=\"CUPS\"\r\n");
            break;
        }
    }
}
