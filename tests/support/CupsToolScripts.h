// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "FakeToolDirectory.h"
#include "PathOverride.h"

#include <QFile>
#include <QString>

// A test's own lpstat and lpmove scripts, in a temporary directory that stands
// first on PATH while the object lives, so the availability check finds this
// lpmove before any other. Header only.
class CupsToolScripts
{
public:
    Q_DISABLE_COPY_MOVE(CupsToolScripts)

    QString directory() const { return m_tools.path(); }
    QString lpstatPath() const { return m_lpstat; }
    QString lpmovePath() const { return m_lpmove; }

    // A listing with an lpstat that may not be executed fails before it starts.
    void setLpstatExecutable(bool executable)
    {
        QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
        if (executable)
            permissions |= QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
        QFile::setPermissions(m_lpstat, permissions);
    }

protected:
    // `laterPath` follows the directory on PATH.
    CupsToolScripts(const QString &lpstatScript, const QString &lpmoveScript, const QString &laterPath,
                    FakeToolDirectory::Scheduler scheduler)
        : m_tools(scheduler)
        , m_lpstat(m_tools.addScript(QStringLiteral("lpstat"), lpstatScript))
        , m_lpmove(m_tools.addScript(QStringLiteral("lpmove"), lpmoveScript))
        , m_path((m_tools.path() + u':' + laterPath).toLocal8Bit())
    { }
    ~CupsToolScripts() = default;

    // The scripts read their instructions from files beside them and log there.
    QString filePath(const QString &name) const { return m_tools.filePath(name); }
    void write(const QString &name, const QByteArray &contents) { m_tools.addPlainFile(name, contents); }

private:
    FakeToolDirectory m_tools;
    QString m_lpstat;
    QString m_lpmove;
    PathOverride m_path;
};
