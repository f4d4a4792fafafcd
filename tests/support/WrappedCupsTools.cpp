// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "WrappedCupsTools.h"

#include "PrivateCupsServer.h"

#include <QFile>

using namespace Qt::StringLiterals;

namespace {

// A process killed with SIGKILL keeps its listening socket until the kernel
// has torn it down; it is a zombie from then on (the test reaps it later).
// Waiting for that makes the next client see a closed socket, not a race.
const QString killFunction = uR"sh(dir=$(dirname "$0")
kill_scheduler() {
    kill -KILL "$1" 2>/dev/null
    while state=$(cut -d' ' -f3 "/proc/$1/stat" 2>/dev/null) && [ "$state" != Z ]; do
        sleep 0.01
    done
}
)sh"_s;

QString quoted(const QString &path)
{
    QString inner = path;
    inner.replace(u"'"_s, u"'\\''"_s);
    return u'\'' + inner + u'\'';
}

QString lpstatScript(const QString &realLpstat)
{
    return killFunction + uR"sh(key=$(printf '%s' "$*" | tr -d ' -')
printf '%s\n' "$*" >> "$dir/lpstat.log"
if [ -f "$dir/kill-before-lpstat-$key" ]; then
    pid=$(cat "$dir/kill-before-lpstat-$key")
    rm -f "$dir/kill-before-lpstat-$key"
    kill_scheduler "$pid"
fi
)sh"_s + quoted(realLpstat)
        + uR"sh( "$@"
status=$?
[ -f "$dir/lpstat-trailer" ] && cat "$dir/lpstat-trailer"
exit $status)sh"_s;
}

QString lpmoveScript(const QString &realLpmove)
{
    return killFunction + quoted(realLpmove) + uR"sh( "$@"
status=$?
arguments=$(printf '\t%s' "$@")
printf '%s%s\n' "$status" "$arguments" >> "$dir/lpmove.log"
if [ -f "$dir/kill-after-lpmove" ]; then
    read -r call pid < "$dir/kill-after-lpmove"
    if [ "$(wc -l < "$dir/lpmove.log")" -eq "$call" ]; then
        rm -f "$dir/kill-after-lpmove"
        kill_scheduler "$pid"
    fi
fi
exit $status)sh"_s;
}

} // namespace

// The real tools are looked up before PATH leads to the wrappers themselves.
WrappedCupsTools::WrappedCupsTools()
    : CupsToolScripts(lpstatScript(PrivateCupsServer::toolPath(u"lpstat"_s)),
                      lpmoveScript(PrivateCupsServer::toolPath(u"lpmove"_s)), qEnvironmentVariable("PATH"),
                      FakeToolDirectory::Scheduler::Inherited)
{ }

void WrappedCupsTools::killBeforeLpstat(const QStringList &arguments, qint64 pid)
{
    QString key = arguments.join(QString());
    key.remove(u'-');
    write(u"kill-before-lpstat-"_s + key, QByteArray::number(pid));
}

void WrappedCupsTools::killAfterLpmove(int call, qint64 pid)
{
    write(u"kill-after-lpmove"_s, QByteArray::number(call) + ' ' + QByteArray::number(pid) + '\n');
}

void WrappedCupsTools::setLpstatTrailer(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        QFile::remove(filePath(u"lpstat-trailer"_s));
    else
        write(u"lpstat-trailer"_s, bytes);
}

QList<WrappedCupsTools::MoveCall> WrappedCupsTools::lpmoveCalls() const
{
    QList<MoveCall> calls;
    QFile log(filePath(u"lpmove.log"_s));
    if (!log.open(QIODevice::ReadOnly))
        return calls;
    for (const QByteArray &line : log.readAll().split('\n')) {
        if (line.isEmpty())
            continue;
        QStringList fields = QString::fromUtf8(line).split(u'\t');
        const int status = fields.takeFirst().toInt();
        calls.append(MoveCall {fields, status});
    }
    return calls;
}

QStringList WrappedCupsTools::lpstatCalls() const
{
    QFile log(filePath(u"lpstat.log"_s));
    if (!log.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(log.readAll()).split(u'\n', Qt::SkipEmptyParts);
}
