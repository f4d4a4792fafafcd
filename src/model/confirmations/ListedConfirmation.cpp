// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "ListedConfirmation.h"

using namespace Qt::StringLiterals;

QString ListedConfirmation::text() const
{
    if (headline.isEmpty())
        return {};
    return (QStringList {headline, lines.join(u'\n')} + notes).join(u"\n\n"_s);
}
