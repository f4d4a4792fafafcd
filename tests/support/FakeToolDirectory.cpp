#include "FakeToolDirectory.h"

#include <QFile>

using namespace Qt::StringLiterals;

FakeToolDirectory::FakeToolDirectory() = default;

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
    const QString file = filePath(name);
    QFile script(file);
    if (!script.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write fake tool %s", qPrintable(file));
    script.write("#!/bin/sh\n");
    script.write(body.toUtf8());
    script.write("\n");
    script.close();
    QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
    if (executable)
        permissions |= QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
    script.setPermissions(permissions);
    return file;
}

QString FakeToolDirectory::addPlainFile(const QString &name, const QByteArray &contents)
{
    const QString file = filePath(name);
    QFile plain(file);
    if (!plain.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(file));
    plain.write(contents);
    plain.close();
    plain.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    return file;
}
