// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "TextRules.h"

#include "AsciiText.h"

#include <QTextBoundaryFinder>

#include <algorithm>

#include <limits>

#include <unicode/uchar.h>

namespace TextRules {

namespace {

// Below U+0300 no character takes part in canonical composition or
// decomposition, so such text is already in NFC.
bool isTriviallyCanonical(QStringView text)
{
    for (QChar c : text) {
        if (c.unicode() >= 0x300)
            return false;
    }
    return true;
}

bool isSpaceForTrim(char32_t c)
{
    return c == 0x09 || QChar::category(c) == QChar::Separator_Space;
}

bool isSpaceOrLineBreakForTrim(char32_t c)
{
    if ((c >= 0x09 && c <= 0x0D) || c == 0x85)
        return true;
    switch (QChar::category(c)) {
    case QChar::Separator_Space:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return false;
    }
}

template<typename Predicate> QStringView trimmed(QStringView text, Predicate inSet)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end) {
        const bool pair = begin + 1 < end && text[begin].isHighSurrogate() && text[begin + 1].isLowSurrogate();
        const char32_t c = pair ? QChar::surrogateToUcs4(text[begin], text[begin + 1]) : text[begin].unicode();
        if (!inSet(c))
            break;
        begin += pair ? 2 : 1;
    }
    while (end > begin) {
        const bool pair = end - 2 >= begin && text[end - 1].isLowSurrogate() && text[end - 2].isHighSurrogate();
        const char32_t c = pair ? QChar::surrogateToUcs4(text[end - 2], text[end - 1]) : text[end - 1].unicode();
        if (!inSet(c))
            break;
        end -= pair ? 2 : 1;
    }
    return text.sliced(begin, end - begin);
}

char32_t codePointAt(QStringView text, qsizetype offset)
{
    const QChar c = text[offset];
    if (c.isHighSurrogate() && offset + 1 < text.size() && text[offset + 1].isLowSurrogate())
        return QChar::surrogateToUcs4(c, text[offset + 1]);
    return c.unicode();
}

} // namespace

bool isLineBreak(char32_t c)
{
    return (c >= 0x0A && c <= 0x0D) || c == 0x85 || c == 0x2028 || c == 0x2029;
}

bool isBlank(char32_t c)
{
    if (c < 0x80)
        return c == 0x20 || (c >= 0x09 && c <= 0x0D);
    return u_hasBinaryProperty(static_cast<UChar32>(c), UCHAR_WHITE_SPACE);
}

bool isNumeric(char32_t c)
{
    if (c < 0x80)
        return c >= '0' && c <= '9';
    return u_getIntPropertyValue(static_cast<UChar32>(c), UCHAR_NUMERIC_TYPE) != U_NT_NONE;
}

QStringView trimSpaces(QStringView text)
{
    return trimmed(text, isSpaceForTrim);
}

QStringView trimSpacesAndLineBreaks(QStringView text)
{
    return trimmed(text, isSpaceOrLineBreakForTrim);
}

QList<QStringView> splitLines(QStringView text, bool keepEmptyLines)
{
    QList<QStringView> lines;
    forEachLine(text, keepEmptyLines, [&lines](QStringView line) { lines.append(line); });
    return lines;
}

Clusters::Clusters(QStringView line)
    : m_text(line)
    , m_everyUnitIsCluster(AsciiText::isAscii(line))
{
    if (m_everyUnitIsCluster)
        return;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, line.data(), line.size());
    m_starts.append(0);
    for (qsizetype next = finder.toNextBoundary(); next > 0; next = finder.toNextBoundary())
        m_starts.append(next);
    if (m_starts.last() != line.size())
        m_starts.append(line.size());
}

qsizetype Clusters::count() const
{
    return m_everyUnitIsCluster ? m_text.size() : m_starts.size() - 1;
}

qsizetype Clusters::start(qsizetype index) const
{
    return m_everyUnitIsCluster ? index : m_starts[index];
}

bool Clusters::isBoundary(qsizetype offset) const
{
    if (m_everyUnitIsCluster)
        return offset >= 0 && offset <= m_text.size();
    return std::binary_search(m_starts.cbegin(), m_starts.cend(), offset);
}

char32_t Clusters::firstCodePoint(qsizetype index) const
{
    return codePointAt(m_text, start(index));
}

QList<QStringView> tokens(QStringView line)
{
    return leadingTokens(line, std::numeric_limits<qsizetype>::max());
}

QList<QStringView> leadingTokens(QStringView line, qsizetype limit)
{
    QList<QStringView> result;
    if (limit <= 0)
        return result;
    if (AsciiText::isAscii(line)) {
        qsizetype i = 0;
        const qsizetype size = line.size();
        while (i < size) {
            while (i < size && isBlank(line[i].unicode()))
                ++i;
            const qsizetype tokenStart = i;
            while (i < size && !isBlank(line[i].unicode()))
                ++i;
            if (i == tokenStart)
                break;
            result.append(line.sliced(tokenStart, i - tokenStart));
            if (result.size() == limit)
                break;
        }
        return result;
    }

    const Clusters clusters(line);
    qsizetype tokenStart = -1;
    for (qsizetype index = 0; index < clusters.count(); ++index) {
        const bool blank = isBlank(clusters.firstCodePoint(index));
        const qsizetype offset = clusters.start(index);
        if (blank && tokenStart >= 0) {
            result.append(line.sliced(tokenStart, offset - tokenStart));
            tokenStart = -1;
            if (result.size() == limit)
                return result;
        } else if (!blank && tokenStart < 0) {
            tokenStart = offset;
        }
    }
    if (tokenStart >= 0)
        result.append(line.sliced(tokenStart));
    return result;
}

bool startsWithBlank(QStringView line)
{
    // A cluster's class is that of its first code point, so the first code
    // point of the line decides.
    return !line.isEmpty() && isBlank(codePointAt(line, 0));
}

namespace {

bool isClusterBoundary(QStringView text, qsizetype offset)
{
    if (offset <= 0 || offset >= text.size())
        return true;
    // Nothing below U+0300 extends the cluster before it, and the markers we
    // look for contain no CR; only then is the fast answer safe.
    const char16_t before = text[offset - 1].unicode();
    const char16_t after = text[offset].unicode();
    if (after < 0x300 && before < 0x300 && !(before == u'\r' && after == u'\n'))
        return true;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text.data(), text.size());
    finder.setPosition(offset);
    return finder.isAtBoundary();
}

template<typename Marker> qsizetype firstMarkerAt(QStringView text, Marker marker)
{
    for (qsizetype from = 0;;) {
        const qsizetype at = text.indexOf(marker, from);
        if (at < 0)
            return -1;
        if (isClusterBoundary(text, at) && isClusterBoundary(text, at + marker.size()))
            return at;
        from = at + 1;
    }
}

} // namespace

bool startsWithMarker(QStringView text, QLatin1StringView prefix)
{
    return text.startsWith(prefix) && isClusterBoundary(text, prefix.size());
}

bool endsWithMarker(QStringView text, QStringView suffix)
{
    return text.endsWith(suffix) && isClusterBoundary(text, text.size() - suffix.size());
}

qsizetype indexOfMarker(QStringView text, QLatin1StringView marker)
{
    return firstMarkerAt(text, marker);
}

qsizetype indexOfMarker(QStringView text, QStringView marker)
{
    return firstMarkerAt(text, marker);
}

QString canonical(const QString &text)
{
    if (isTriviallyCanonical(text))
        return text;
    return text.normalized(QString::NormalizationForm_C);
}

bool canonicallyEqual(const QString &lhs, const QString &rhs)
{
    if (lhs == rhs)
        return true;
    if (isTriviallyCanonical(lhs) && isTriviallyCanonical(rhs))
        return false;
    return canonical(lhs) == canonical(rhs);
}

} // namespace TextRules
