// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "FakeToolDirectory.h"

#include <QFile>

using namespace Qt::StringLiterals;

FakeToolDirectory::FakeToolDirectory(Scheduler scheduler)
{
    if (scheduler == Scheduler::Unreachable)
        m_server.set("CUPS_SERVER", m_dir.filePath(u"no-scheduler.sock"_s).toLocal8Bit());
}

QString FakeToolDirectory::path() const
{
    return m_dir.path();
}

QString FakeToolDirectory::filePath(const QString &name) const
{
    return m_dir.filePath(name);
}

QString FakeToolDirectory::addScript(const QString &name, const QString &body, bool executable)
{
    QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
    if (executable)
        permissions |= QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
    return writeFile(name, "#!/bin/sh\n" + body.toUtf8() + '\n', permissions);
}

QString FakeToolDirectory::addPlainFile(const QString &name, const QByteArray &contents)
{
    return writeFile(name, contents, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
}

QString FakeToolDirectory::writeFile(const QString &name, const QByteArray &contents, QFile::Permissions permissions)
{
    const QString path = filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(contents) != contents.size())
        qFatal("cannot write %s", qPrintable(path));
    file.close();
    file.setPermissions(permissions);
    return path;
}
