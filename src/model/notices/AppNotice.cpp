// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "AppNotice.h"

using namespace Qt::StringLiterals;

AppNotice AppNotice::make(const QString &title, const QString &message)
{
    return AppNotice {QUuid::createUuid(), title, message, false};
}

AppNotice AppNotice::fromError(const QString &title, const WorkflowError &error)
{
    const std::optional<QString> suggestion = error.recoverySuggestion();
    const QString description = error.description();
    return make(title, suggestion ? description + u"\n\n"_s + *suggestion : description);
}

QString AppNotice::idText() const
{
    return id.isNull() ? QString() : id.toString(QUuid::WithoutBraces);
}
