// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "DisplayText.h"

#include <QTextBoundaryFinder>

#include <algorithm>

namespace {

constexpr char16_t replacement = 0xFFFD;
constexpr char16_t firstStrongIsolate = 0x2068;
constexpr char16_t popDirectionalIsolate = 0x2069;

// Everything that must not reach the screen raw is in the BMP, so scanning
// code units is enough; surrogates pass through untouched.
bool breaksLine(char16_t c)
{
    return (c >= 0x09 && c <= 0x0D) || c == 0x85 || c == 0x2028 || c == 0x2029;
}

bool isBidiControl(char16_t c)
{
    return c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

bool needsCleaning(char16_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029 || isBidiControl(c);
}

bool containsRightToLeft(const QString &text)
{
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        char32_t codePoint = text[i].unicode();
        // Hebrew is the first right-to-left script; most text never gets there.
        if (codePoint < 0x0590)
            continue;
        if (QChar::isHighSurrogate(codePoint) && i + 1 < size && text[i + 1].isLowSurrogate())
            codePoint = QChar::surrogateToUcs4(char16_t(codePoint), text[++i].unicode());
        const QChar::Direction direction = QChar::direction(codePoint);
        if (direction == QChar::DirR || direction == QChar::DirAL || direction == QChar::DirAN)
            return true;
    }
    return false;
}

} // namespace

namespace DisplayText {

QString cleaned(const QString &text)
{
    if (std::none_of(text.cbegin(), text.cend(), [](QChar c) { return needsCleaning(c.unicode()); }))
        return text;
    QString result;
    result.reserve(text.size());
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = text[i].unicode();
        if (breaksLine(c)) {
            result.append(u' ');
            if (c == u'\r' && i + 1 < size && text[i + 1] == u'\n')
                ++i;
        } else if (needsCleaning(c)) {
            result.append(QChar(replacement));
        } else {
            result.append(QChar(c));
        }
    }
    return result;
}

QString field(const QString &text)
{
    QString shown = cleaned(text);
    if (!containsRightToLeft(shown))
        return shown;
    shown.prepend(QChar(firstStrongIsolate));
    shown.append(QChar(popDirectionalIsolate));
    return shown;
}

QString shortened(const QString &text, qsizetype limit)
{
    if (text.size() <= limit)
        return text;
    QTextBoundaryFinder clusters(QTextBoundaryFinder::Grapheme, text);
    qsizetype end = 0;
    for (qsizetype count = 0; count < limit && clusters.toNextBoundary() >= 0; ++count)
        end = clusters.position();
    return end >= text.size() ? text : text.first(end).trimmed() + u'…';
}

} // namespace DisplayText
