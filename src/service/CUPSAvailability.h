// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Both tool locations, as they were found by one availability check.
struct CUPSAvailability
{
    QString lpstatURL;
    QString lpmoveURL;
};
