// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// The character classes, trims and splits that every parser of tool output
// shares. A "character" is an extended grapheme cluster; class tests look at
// the first code point of a cluster. Pure ASCII text takes a fast path that
// needs no segmentation.
namespace TextRules {

bool isLineBreak(char32_t codePoint);
bool isBlank(char32_t codePoint);
bool isNumeric(char32_t codePoint);

// Trim set "spaces": general category Zs plus TAB.
QStringView trimSpaces(QStringView text);
// Trim set "spaces and line breaks": Zs, Zl, Zp, TAB..CR and NEL.
QStringView trimSpacesAndLineBreaks(QStringView text);

// Lines between line breaks; a CR LF pair counts as one break.
QList<QStringView> splitLines(QStringView text, bool keepEmptyLines);

// The same lines handed to `visit` one by one, without building a list.
template<typename Visitor> void forEachLine(QStringView text, bool keepEmptyLines, Visitor &&visit)
{
    qsizetype lineStart = 0;
    const qsizetype size = text.size();
    // Every line break is a BMP character, so scanning code units is enough.
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = text[i].unicode();
        if (c > 0x0D && c != 0x85 && c != 0x2028 && c != 0x2029)
            continue;
        if (c < 0x0A)
            continue;
        if (keepEmptyLines || i > lineStart)
            visit(text.sliced(lineStart, i - lineStart));
        if (c == u'\r' && i + 1 < size && text[i + 1] == u'\n')
            ++i;
        lineStart = i + 1;
    }
    // Text after the last break is a line; an output that ends with a break
    // has no empty line after it.
    if (lineStart < size)
        visit(text.sliced(lineStart));
}

// A line's grapheme cluster boundaries. Lines never contain line breaks.
class Clusters
{
public:
    explicit Clusters(QStringView line);

    QStringView text() const { return m_text; }
    // Number of clusters.
    qsizetype count() const;
    // Start offset of cluster `index`; start(count()) is the text's length.
    qsizetype start(qsizetype index) const;
    bool isBoundary(qsizetype offset) const;
    char32_t firstCodePoint(qsizetype index) const;

private:
    QStringView m_text;
    bool m_everyUnitIsCluster = true;
    QList<qsizetype> m_starts; // only when not every code unit is a cluster
};

// Tokens: runs of clusters that are not blank.
QList<QStringView> tokens(QStringView line);
// At most the first `limit` tokens; parsers that need only the leading tokens
// of a long line should not pay for the rest.
QList<QStringView> leadingTokens(QStringView line, qsizetype limit);

// Whether the line's first character is a blank.
bool startsWithBlank(QStringView line);

// `text` starts with the ASCII `prefix` and the prefix ends on a cluster boundary.
bool startsWithMarker(QStringView text, QLatin1StringView prefix);
// First offset where `marker` occurs starting and ending on cluster boundaries, or -1.
qsizetype indexOfMarker(QStringView text, QLatin1StringView marker);
qsizetype indexOfMarker(QStringView text, QStringView marker);
// `text` ends with `suffix` and the suffix starts on a cluster boundary.
bool endsWithMarker(QStringView text, QStringView suffix);

// Canonical (NFC) form, used for equality and hashing.
QString canonical(const QString &text);
bool canonicallyEqual(const QString &lhs, const QString &rhs);

} // namespace TextRules
