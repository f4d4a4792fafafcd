// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "TerminalRun.h"

#include <QDeadlineTimer>
#include <QFile>

#include <vector>

#include <csignal>
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

std::optional<QString> TerminalRun::run(const QString &program, const QStringList &arguments, int timeoutSeconds)
{
    // Everything the child needs is prepared before fork: after it, in a
    // process with threads, only exec is safe.
    QList<QByteArray> encoded {QFile::encodeName(program)};
    for (const QString &argument : arguments)
        encoded.append(argument.toUtf8());
    std::vector<char *> argv;
    for (QByteArray &argument : encoded)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    int terminal = -1;
    const pid_t child = ::forkpty(&terminal, nullptr, nullptr, nullptr);
    if (child < 0)
        return std::nullopt;
    if (child == 0) {
        ::execv(argv.front(), argv.data());
        ::_exit(127);
    }

    // Read until the terminal's last user has gone (EIO) or the time is up.
    QByteArray output;
    const QDeadlineTimer deadline {std::chrono::seconds(timeoutSeconds)};
    bool ended = false;
    while (!deadline.hasExpired()) {
        pollfd watch {terminal, POLLIN, 0};
        if (::poll(&watch, 1, 100) <= 0)
            continue;
        char buffer[4096];
        const ssize_t size = ::read(terminal, buffer, sizeof buffer);
        if (size <= 0) {
            ended = true;
            break;
        }
        output.append(buffer, size);
    }
    if (!ended)
        ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    ::close(terminal);
    if (!ended || !WIFEXITED(status) || WEXITSTATUS(status) == 127)
        return std::nullopt;
    return QString::fromUtf8(output).replace(u"\r\n"_s, u"\n"_s);
}

const char *TerminalRun::echoState()
{
    termios settings {};
    if (::tcgetattr(STDIN_FILENO, &settings) != 0)
        return "none";
    return (settings.c_lflag & ECHO) != 0 ? "on" : "off";
}
