// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Starts a program on a new pseudo-terminal that becomes its controlling
// terminal, as when the window is started from a terminal, and collects
// everything written to that terminal until the program ends.
namespace TerminalRun {

// The terminal's text (line ends as "\n"), or nothing when the program could
// not be started there or did not end within `timeoutSeconds`.
std::optional<QString> run(const QString &program, const QStringList &arguments, int timeoutSeconds);

// For the program run there: whether its terminal echoes what is typed
// ("on", "off"), or "none" without a terminal.
const char *echoState();

} // namespace TerminalRun
