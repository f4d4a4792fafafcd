// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

// The application: one window whose content is ContentView, with the
// application menu and the toolbar. Holds no state of its own.
class ParventoApp
{
public:
    // Runs the application until its window closes; returns the exit code.
    static int run(int &argc, char **argv);
};
