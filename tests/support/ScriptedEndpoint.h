// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <atomic>
#include <thread>
#include <vector>

// A scheduler that misbehaves, for CUPS_SERVER: a TCP server on 127.0.0.1
// that answers in one of a few scripted ways, on a thread of its own so that
// it serves while the test waits. Every connection stays open until the
// endpoint goes, as a stuck server keeps it.
class ScriptedEndpoint
{
public:
    enum class Script {
        // Answers the first request with 426 Upgrade Required, then accepts
        // connections and never answers.
        UpgradeThenSilent,
        // Accepts and never says a word, as a server stuck in its TLS handshake.
        Silent,
        // Answers every request with 401 Unauthorized.
        Unauthorized,
        // Answers every request with success and 200,000 held jobs of the
        // queue Laser, numbered from 1 and titled "Bericht N.pdf": 49 MB.
        HugeJobList,
        // Answers every request with success and the held job Laser-1,
        // titled "Bericht 1.pdf", whose state reasons weigh 10 MB.
        HugeAttribute,
    };

    explicit ScriptedEndpoint(Script script);
    ~ScriptedEndpoint();
    ScriptedEndpoint(const ScriptedEndpoint &) = delete;
    ScriptedEndpoint &operator=(const ScriptedEndpoint &) = delete;

    // "127.0.0.1:PORT", empty when it could not listen.
    QString address() const;
    // Connections accepted so far.
    int connections() const { return m_connections; }

private:
    void serve();

    Script m_script;
    int m_listener = -1;
    int m_port = 0;
    std::atomic_int m_connections = 0;
    std::atomic_bool m_stopping = false;
    std::vector<int> m_clients;
    std::thread m_thread;
};
