// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "AcceptingPhrases.h"

#include "TextRules.h"

#include <QFile>

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace {

// The sentences lpstat -a prints, as the catalogs key them. The rejecting one
// comes first: where both fit a line (their words may differ only after the
// date), the line's own tail decides, and only a line that fits neither is
// left out.
struct Sentence
{
    QByteArrayView key;
    bool accepting;
};
constexpr std::array sentences {
    Sentence {"%s not accepting requests since %s -", false},
    Sentence {"%s accepting requests since %s", true},
};

// Where libcups looks for its catalogs unless told otherwise.
constexpr auto defaultLocaleDirectory = "/usr/share/cups/locale"_L1;
// A real catalog is a few hundred kilobytes; anything far larger is not one.
constexpr qint64 catalogSizeLimit = 16 * 1024 * 1024;

// The text of one quoted .po string, its escapes resolved as libcups does.
QByteArray unquoted(QByteArrayView line)
{
    const qsizetype open = line.indexOf('"');
    const qsizetype close = line.lastIndexOf('"');
    if (open < 0 || close <= open)
        return {};
    const QByteArrayView inner = line.sliced(open + 1, close - open - 1);
    QByteArray text;
    text.reserve(inner.size());
    for (qsizetype i = 0; i < inner.size(); ++i) {
        char c = inner[i];
        if (c == '\\' && i + 1 < inner.size()) {
            c = inner[++i];
            if (c == 'n')
                c = '\n';
            else if (c == 't')
                c = '\t';
        }
        text.append(c);
    }
    return text;
}

// The language libcups reads its messages in: the first of LC_ALL,
// LC_MESSAGES and LANG that is set, without its character set or modifier.
QString catalogLanguage()
{
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (value.isEmpty())
            continue;
        const qsizetype end
            = std::ranges::find_if(value, [](QChar c) { return c == u'.' || c == u'@'; }) - value.begin();
        return value.first(end);
    }
    return {};
}

bool isLanguageName(const QString &language)
{
    if (language.isEmpty() || language == "C"_L1 || language == "POSIX"_L1)
        return false;
    for (const QChar c : language) {
        if (!(c.isLetterOrNumber() && c.unicode() < 0x80) && c != u'_' && c != u'-')
            return false;
    }
    return true;
}

} // namespace

AcceptingPhrases AcceptingPhrases::forEnvironment()
{
    const QString language = catalogLanguage();
    if (!isLanguageName(language))
        return {};
    const QString directory = qEnvironmentVariable("CUPS_LOCALEDIR", defaultLocaleDirectory);
    // libcups tries the language with its country first ("pt_BR"), then the
    // language alone ("fr" for fr_FR).
    QStringList candidates {language};
    if (const qsizetype country = language.indexOf(u'_'); country > 0)
        candidates.append(language.first(country));
    for (const QString &name : std::as_const(candidates)) {
        QFile catalog(directory + u'/' + name + u"/cups_"_s + name + u".po"_s);
        if (!catalog.open(QIODevice::ReadOnly) || catalog.size() > catalogSizeLimit)
            continue;
        return fromCatalog(catalog.read(catalogSizeLimit));
    }
    return {};
}

AcceptingPhrases AcceptingPhrases::fromCatalog(QByteArrayView catalog)
{
    AcceptingPhrases phrases;
    std::array<std::optional<QByteArray>, sentences.size()> translations;

    // A .po entry is `msgid "..."`, then `msgstr "..."`, each possibly
    // continued on lines that hold only a quoted string.
    QByteArray id;
    QByteArray translation;
    enum class Reading { nothing, id, translation } reading = Reading::nothing;
    const auto finishEntry = [&] {
        for (size_t i = 0; i < sentences.size(); ++i) {
            if (!translation.isEmpty() && sentences[i].key == id && !translations[i])
                translations[i] = translation;
        }
        id.clear();
        translation.clear();
        reading = Reading::nothing;
    };
    for (qsizetype start = 0; start < catalog.size();) {
        qsizetype end = catalog.indexOf('\n', start);
        if (end < 0)
            end = catalog.size();
        const QByteArrayView line = catalog.sliced(start, end - start).trimmed();
        start = end + 1;
        if (line.startsWith("msgid ")) {
            finishEntry();
            reading = Reading::id;
            id = unquoted(line);
        } else if (line.startsWith("msgstr ") && reading == Reading::id) {
            reading = Reading::translation;
            translation = unquoted(line);
        } else if (line.startsWith('"') && reading == Reading::id) {
            id += unquoted(line);
        } else if (line.startsWith('"') && reading == Reading::translation) {
            translation += unquoted(line);
        } else {
            finishEntry();
        }
    }
    finishEntry();

    for (size_t i = 0; i < sentences.size(); ++i) {
        if (!translations[i])
            continue;
        // Only a translation that starts with the name and has the date as its
        // one other argument can be read back; "%s" is the name, then the date.
        const QString text = QString::fromUtf8(*translations[i]);
        const qsizetype date = text.indexOf("%s"_L1, 2);
        if (!text.startsWith("%s"_L1) || date < 0 || text.count(u'%') != 2)
            continue;
        const QString afterName = text.sliced(2, date - 2);
        if (TextRules::trimSpacesAndLineBreaks(afterName).isEmpty())
            continue;
        phrases.m_phrases.append(Phrase {
            afterName, TextRules::trimSpacesAndLineBreaks(text.sliced(date + 2)).toString(), sentences[i].accepting});
    }
    return phrases;
}

std::optional<AcceptingPhrases::Match> AcceptingPhrases::match(QStringView line) const
{
    const QStringView trimmed = TextRules::trimSpacesAndLineBreaks(line);
    const qsizetype leading = trimmed.isEmpty() ? 0 : trimmed.data() - line.data();
    for (const Phrase &phrase : m_phrases) {
        const qsizetype at = TextRules::indexOfMarker(trimmed, phrase.afterName);
        if (at < 0)
            continue;
        const QStringView rest = trimmed.sliced(at + phrase.afterName.size());
        if (phrase.atEnd.isEmpty() || TextRules::endsWithMarker(rest, phrase.atEnd))
            return Match {leading + at, phrase.accepting};
    }
    return std::nullopt;
}
