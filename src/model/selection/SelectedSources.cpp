// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "SelectedSources.h"

#include "DisplayText.h"

#include <QueueName.h>

#include <QStringList>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Plain text order: Unicode scalar values. UTF-16 code units compare the
// same way except that a surrogate (a character beyond U+FFFF) must sort after
// U+E000..U+FFFF, so those two ranges swap places at the first difference.
bool codePointLess(QStringView lhs, QStringView rhs)
{
    const auto rank = [](char16_t unit) -> char16_t {
        if (unit >= 0xE000)
            return unit - 0x800;
        if (unit >= 0xD800)
            return unit + 0x2000;
        return unit;
    };
    const qsizetype common = std::min(lhs.size(), rhs.size());
    for (qsizetype i = 0; i < common; ++i) {
        if (lhs[i] != rhs[i])
            return rank(lhs[i].unicode()) < rank(rhs[i].unicode());
    }
    return lhs.size() < rhs.size();
}

} // namespace

QString SelectedSources::namesText(const QSet<QString> &selectedNames)
{
    QList<std::pair<QString, QString>> names; // canonical form, as listed
    for (const QString &name : selectedNames)
        names.append({QueueName(name).canonical(), name});
    std::sort(names.begin(), names.end(),
              [](const auto &lhs, const auto &rhs) { return codePointLess(lhs.first, rhs.first); });
    QStringList listed;
    listed.reserve(names.size());
    for (const auto &[canonical, name] : std::as_const(names))
        listed.append(DisplayText::field(name));
    return listed.join(u", "_s);
}
