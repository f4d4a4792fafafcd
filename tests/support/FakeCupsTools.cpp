// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "FakeCupsTools.h"

#include <QFile>
#include <QHash>

using namespace Qt::StringLiterals;

namespace {

// One log line per event: event, pid, time, tool, then each argument, all
// tab-separated (names in tests contain no tabs). Appending one short line is
// atomic, so concurrent calls never mix their lines.
const QString logFunction = uR"sh(dir=$(dirname "$0")
argline=$(printf '\t%s' "$@")
log() {
    printf '%s\t%s\t%s\t%s%s\n' "$1" $$ "$(date +%s.%N)" "$tool" "$argline" >> "$dir/calls.log"
}
)sh"_s;

const QString lpstatScript = logFunction + uR"sh(tool=lpstat
key=$(printf '%s' "$*" | tr -d ' -')
log start
[ -f "$dir/delay-$key" ] && sleep "$(cat "$dir/delay-$key")"
[ -f "$dir/out-$key" ] && cat "$dir/out-$key"
status=0
if [ -f "$dir/status-$key" ]; then
    status=$(cat "$dir/status-$key")
    cat "$dir/err-$key" >&2
fi
log end
exit $status)sh"_s;

// A successful lpmove moves the job in the listing as CUPS does, keeping its
// number, unless the test says where it lands instead.
const QString lpmoveScript = logFunction + uR"sh(tool=lpmove
log start
[ -f "$dir/delay-move" ] && sleep "$(cat "$dir/delay-move")"
status=0
if [ -f "$dir/fail-$1" ]; then
    cat "$dir/fail-$1" >&2
    status=1
elif [ -f "$dir/out-o" ]; then
    queue=$2
    [ -f "$dir/land-$1" ] && queue=$(cat "$dir/land-$1")
    awk -v id="$1" -v q="$queue" '$1 == id { if (q == "") next; n = split($1, p, "-"); sub(/^[^ ]+/, q "-" p[n]) } { print }' \
        "$dir/out-o" > "$dir/out-o.new" && mv "$dir/out-o.new" "$dir/out-o"
fi
[ -f "$dir/linger-move" ] && sleep "$(cat "$dir/linger-move")"
log end
exit $status)sh"_s;

} // namespace

// The system directories after the scripts' own hold what the scripts need.
FakeCupsTools::FakeCupsTools()
    : CupsToolScripts(lpstatScript, lpmoveScript, u"/usr/bin:/bin"_s, FakeToolDirectory::Scheduler::Unreachable)
{ }

QString FakeCupsTools::fileKey(const QString &arguments)
{
    QString key = arguments;
    key.remove(u' ');
    key.remove(u'-');
    return key;
}

void FakeCupsTools::setJobLines(const QStringList &lines)
{
    write(u"out-o"_s, lines.isEmpty() ? QByteArray() : (lines.join(u'\n') + u'\n').toUtf8());
}

void FakeCupsTools::setDetailedJobListing(const QString &text)
{
    write(u"out-lo"_s, text.toUtf8());
}

void FakeCupsTools::setPrinterNames(const QStringList &names)
{
    QByteArray text;
    for (const QString &name : names)
        text += (name + u" accepting requests since Mon 01 Jan 2024 12:00:00 CET\n"_s).toUtf8();
    write(u"out-a"_s, text);
}

void FakeCupsTools::failListing(const QString &arguments, int status, const QString &standardError)
{
    write(u"status-"_s + fileKey(arguments), QByteArray::number(status));
    write(u"err-"_s + fileKey(arguments), standardError.toUtf8());
}

void FakeCupsTools::delayListing(const QString &arguments, double seconds)
{
    write(u"delay-"_s + fileKey(arguments), QByteArray::number(seconds));
}

void FakeCupsTools::failMove(const QString &identifier, const QString &standardError)
{
    write(u"fail-"_s + identifier, standardError.toUtf8());
}

void FakeCupsTools::delayMoves(double seconds, MoveDelay when)
{
    write(when == MoveDelay::BeforeMoving ? u"delay-move"_s : u"linger-move"_s, QByteArray::number(seconds));
}

void FakeCupsTools::setMoveLanding(const QString &identifier, const QString &queue)
{
    write(u"land-"_s + identifier, queue.toUtf8());
}

QList<FakeCupsTools::Call> FakeCupsTools::calls() const
{
    QFile log(filePath(u"calls.log"_s));
    QList<Call> result;
    if (!log.open(QIODevice::ReadOnly))
        return result;
    QHash<QString, qsizetype> openCallOfPid;
    for (const QByteArray &rawLine : log.readAll().split('\n')) {
        const QStringList fields = QString::fromUtf8(rawLine).split(u'\t');
        if (fields.size() < 4)
            continue;
        const QString &event = fields.at(0);
        const QString &pid = fields.at(1);
        const double time = fields.at(2).toDouble();
        if (event == u"start"_s) {
            openCallOfPid.insert(pid, result.size());
            result.append(Call {fields.at(3), fields.mid(4), time, 0});
        } else if (const auto open = openCallOfPid.constFind(pid); open != openCallOfPid.cend()) {
            result[*open].end = time;
        }
    }
    return result;
}

QList<FakeCupsTools::Call> FakeCupsTools::calls(const QString &tool, const QStringList &arguments) const
{
    QList<Call> matching;
    for (const Call &call : calls()) {
        if (call.tool == tool && (arguments.isEmpty() || call.arguments == arguments))
            matching.append(call);
    }
    return matching;
}
