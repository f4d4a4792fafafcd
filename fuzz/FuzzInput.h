// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <cstdio>
#include <cstdlib>

// Turns fuzzer bytes into text. The first byte picks how: lenient UTF-8 (what
// the runner hands over for valid output, plus replacement characters), or raw
// UTF-16 so that lone surrogates and every code point reach the parsers.
inline QString fuzzText(const uint8_t *data, size_t size)
{
    if (size == 0)
        return {};
    const char *bytes = reinterpret_cast<const char *>(data + 1);
    const qsizetype length = qsizetype(size - 1);
    if (data[0] & 1)
        return QString(reinterpret_cast<const QChar *>(bytes), length / 2);
    return QString::fromUtf8(bytes, length);
}

#define FUZZ_ASSERT(condition)                                                                                         \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::fprintf(stderr, "invariant violated: %s (%s:%d)\n", #condition, __FILE__, __LINE__);                  \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (false)
