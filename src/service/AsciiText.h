// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include <QStringView>

#include <algorithm>

namespace AsciiText {

// Text in which every code unit is its own character and its own cluster,
// and in which CUPS's case folding is plain A-Z: the fast path for names and
// lines, which are nearly always ASCII.
inline bool isAscii(QStringView text)
{
    return std::ranges::all_of(text, [](QChar c) { return c.unicode() < 0x80; });
}

} // namespace AsciiText
