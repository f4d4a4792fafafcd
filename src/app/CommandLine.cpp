// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "CommandLine.h"

#include <ModelTexts.h>

#include <QList>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <cstring>

using namespace Qt::StringLiterals;

namespace {

// The options QGuiApplication takes itself, with and without a value. Both
// one and two leading dashes reach it.
const QStringList qtOptionsWithValue {
    u"platform"_s,
    u"platformpluginpath"_s,
    u"platformtheme"_s,
    u"plugin"_s,
    u"qwindowgeometry"_s,
    u"geometry"_s,
    u"qwindowicon"_s,
    u"icon"_s,
    u"qwindowtitle"_s,
    u"title"_s,
    u"session"_s,
    u"display"_s,
    u"name"_s,
    u"style"_s,
    u"stylesheet"_s,
};
const QStringList qtFlags {u"reverse"_s, u"nograb"_s, u"dograb"_s, u"sync"_s, u"testability"_s};

QString optionName(const QString &argument)
{
    QString name = argument.mid(argument.startsWith(u"--"_s) ? 2 : 1);
    return name.left(name.indexOf(u'='));
}

// HOST, HOST:PORT, [IPv6]:PORT or the path of a local socket, as lpstat -h takes them.
bool isServerAddress(const QString &address)
{
    if (address.startsWith(u'/'))
        return !address.contains(QRegularExpression(u"[\\x00-\\x1f\\x7f]"_s));
    static const QRegularExpression form(u"^(\\[[0-9A-Fa-f:.]+\\]|[^\\s:/\\[\\]]+)(:([0-9]{1,5}))?$"_s);
    const QRegularExpressionMatch match = form.match(address);
    if (!match.hasMatch())
        return false;
    if (match.hasCaptured(3)) {
        const int port = match.captured(3).toInt();
        return port >= 1 && port <= 65535;
    }
    return true;
}

} // namespace

CommandLine CommandLine::parse(int &argc, char **argv)
{
    CommandLine line;
    QList<int> consumed;
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        if (argument == u"--help"_s || argument == u"-h"_s) {
            line.m_action = Action::ShowHelp;
            return line;
        }
        if (argument == u"--version"_s) {
            line.m_action = Action::ShowVersion;
            return line;
        }
        if (argument == u"--server"_s || argument.startsWith(u"--server="_s)) {
            const bool separate = argument == u"--server"_s;
            if (separate && i + 1 >= argc) {
                line.m_action = Action::Misuse;
                line.m_problem = ModelTexts::missingServer();
                return line;
            }
            const QString address = separate ? QString::fromLocal8Bit(argv[i + 1]) : argument.mid(9);
            if (!isServerAddress(address)) {
                line.m_action = Action::Misuse;
                line.m_problem = ModelTexts::notAServer(address);
                return line;
            }
            line.m_server = address;
            consumed << i;
            if (separate)
                consumed << ++i;
            continue;
        }
        if (argument.startsWith(u'-') && argument.size() > 1) {
            const QString name = optionName(argument);
            if (qtFlags.contains(name))
                continue;
            if (qtOptionsWithValue.contains(name)) {
                if (!argument.contains(u'='))
                    ++i;
                continue;
            }
            line.m_action = Action::Misuse;
            line.m_problem = ModelTexts::unknownOption(argument);
            return line;
        }
        line.m_action = Action::Misuse;
        line.m_problem = ModelTexts::unexpectedArgument(argument);
        return line;
    }
    // Qt must not see what it does not know.
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        if (!consumed.contains(i))
            argv[kept++] = argv[i];
    }
    argc = kept;
    argv[argc] = nullptr;
    return line;
}
