// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

// What the user can do to waiting jobs besides moving them. The scheduler
// is asked for each job by its number alone.
enum class JobAction {
    Hold,
    Release,
    Cancel,
};
