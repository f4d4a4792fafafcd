// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// What the command line asks for. It is read before any window exists, so
// --help, --version and a misuse answer on a terminal without a display.
// Qt's own options (-platform, -qwindowgeometry, …) stay where they are for
// QGuiApplication to take.
class CommandLine
{
public:
    enum class Action {
        OpenWindow,
        ShowHelp,
        ShowVersion,
        // An unknown option or an option without its value: usage on
        // standard error, exit status 2.
        Misuse,
    };

    // Removes --server and its value from argv; leaves everything else.
    static CommandLine parse(int &argc, char **argv);

    Action action() const { return m_action; }
    // HOST[:PORT] (or a socket path) given with --server; empty when none was.
    const QString &server() const { return m_server; }
    // Why the command line is a misuse, for the first line of the answer.
    const QString &problem() const { return m_problem; }

private:
    Action m_action = Action::OpenWindow;
    QString m_server;
    QString m_problem;
};
