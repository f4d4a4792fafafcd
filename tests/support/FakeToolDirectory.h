// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "EnvironmentOverride.h"

#include <QFile>
#include <QString>
#include <QTemporaryDir>

// A temporary directory of small shell scripts that stand in for lpstat and
// lpmove where the real tools cannot produce a case (chosen exit statuses,
// invalid UTF-8, huge output, timing probes). Removed with the object.
//
// The program asks the scheduler for job and queue details itself, beside
// the tools. While the object lives that scheduler is unreachable (CUPS_SERVER
// names a socket that does not exist), so the scripts alone decide what a
// listing holds, whether or not a scheduler runs on the machine. Scripts that
// wrap the real tools keep the scheduler the test set up.
class FakeToolDirectory
{
public:
    enum class Scheduler { Unreachable, Inherited };
    explicit FakeToolDirectory(Scheduler scheduler = Scheduler::Unreachable);

    QString path() const;
    QString filePath(const QString &name) const;

    // Writes `name` as a POSIX shell script with `body` after the #! line and
    // returns its absolute path.
    QString addScript(const QString &name, const QString &body, bool executable = true);

    // A file that may not be executed: a tool that cannot start, or what a
    // script reads. Replaces what the file held.
    QString addPlainFile(const QString &name, const QByteArray &contents = {});

private:
    QString writeFile(const QString &name, const QByteArray &contents, QFile::Permissions permissions);

    QTemporaryDir m_dir;
    EnvironmentOverride m_server;
};
