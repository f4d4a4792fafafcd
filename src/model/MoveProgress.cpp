// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "MoveProgress.h"

#include "ModelTexts.h"

MoveProgress MoveProgress::of(qsizetype done, qsizetype total, bool running)
{
    return MoveProgress {int(done), int(total),
                         running && total > 0 ? ModelTexts::moveProgress(done, total) : QString()};
}
