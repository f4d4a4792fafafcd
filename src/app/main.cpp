// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "ParventoApp.h"

int main(int argc, char *argv[])
{
    return ParventoApp::run(argc, argv);
}
