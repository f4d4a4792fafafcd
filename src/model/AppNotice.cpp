// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "AppNotice.h"

AppNotice AppNotice::make(const QString &title, const QString &message)
{
    return AppNotice {QUuid::createUuid(), title, message};
}
