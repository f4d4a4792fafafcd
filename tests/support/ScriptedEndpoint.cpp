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

// IPP's encoding of one attribute, or with an empty name one more value of the last.
void addAttribute(QByteArray &message, char tag, QByteArrayView name, QByteArrayView value)
{
    const auto addLength = [&message](qsizetype length) {
        message.append(char(length >> 8)).append(char(length & 0xff));
    };
    message.append(tag);
    addLength(name.size());
    message.append(name);
    addLength(value.size());
    message.append(value);
}

QByteArray integer(int value)
{
    const char bytes[] {char(value >> 24), char(value >> 16), char(value >> 8), char(value)};
    return QByteArray(bytes, sizeof bytes);
}

// A successful answer's start, before its first job.
QByteArray answerStart()
{
    QByteArray start {"\x02\x00\x00\x00\x00\x00\x00\x01\x01", 9};
    addAttribute(start, 0x47, "attributes-charset", "utf-8");
    addAttribute(start, 0x48, "attributes-natural-language", "de");
    return start;
}

// The held job Laser-`number` as a Get-Jobs answer lists it.
void addHeldJob(QByteArray &message, int number)
{
    message.append('\x02');
    addAttribute(message, 0x21, "job-id", integer(number));
    addAttribute(message, 0x45, "job-printer-uri", "ipp://localhost/printers/Laser");
    addAttribute(message, 0x42, "job-name", "Bericht " + QByteArray::number(number) + ".pdf");
    addAttribute(message, 0x42, "job-originating-user-name", "alice");
    addAttribute(message, 0x23, "job-state", integer(4));
    addAttribute(message, 0x21, "time-at-creation", integer(1'704'103'200));
    addAttribute(message, 0x21, "job-k-octets", integer(1));
    // Last, so that more reasons may follow.
    addAttribute(message, 0x44, "job-state-reasons", "job-hold-until-specified");
}

bool sendAll(int client, const QByteArray &bytes)
{
    return ::send(client, bytes.constData(), size_t(bytes.size()), MSG_NOSIGNAL) == ssize_t(bytes.size());
}

// Sends a huge answer piece by piece, as a server would that builds it while
// sending, until it is complete or the client has hung up. Without a length,
// the end of the connection ends it.
void answerHuge(int client, ScriptedEndpoint::Script script)
{
    QByteArray piece = "HTTP/1.1 200 OK\r\nContent-Type: application/ipp\r\nConnection: close\r\n\r\n" + answerStart();
    bool connected = true;
    if (script == ScriptedEndpoint::Script::HugeJobList) {
        for (int job = 1; job <= 200'000 && connected; ++job) {
            addHeldJob(piece, job);
            if (job % 1000 == 0 && (connected = sendAll(client, piece)))
                piece.clear();
        }
    } else {
        addHeldJob(piece, 1);
        // Each value of its own, as libcups keeps equal strings once.
        QByteArray reason(32'000, 'x');
        for (int value = 0; value < 10 * 1024 * 1024 / reason.size() && connected; ++value) {
            reason.replace(0, 8, QByteArray::number(value).rightJustified(8, '0'));
            addAttribute(piece, 0x44, "", reason);
            connected = sendAll(client, piece);
            piece.clear();
        }
    }
    piece.append('\x03');
    if (connected && sendAll(client, piece))
        ::shutdown(client, SHUT_WR);
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
        ::setsockopt(client, SOL_SOCKET, SO_SNDTIMEO, &patience, sizeof patience);
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
        case Script::HugeJobList:
        case Script::HugeAttribute:
            if (readHeaders(client))
                answerHuge(client, m_script);
            break;
        }
    }
}
