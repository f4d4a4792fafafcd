// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

// How `lpstat -a` words "NAME accepting requests since DATE" and "NAME not
// accepting requests since DATE" in the language it speaks to this user.
// lpstat takes these sentences from the CUPS message catalog of the user's
// language, so reading the same catalog gives the wording of every language
// CUPS ships (French, Japanese, ...), with the date wherever the translation
// puts it.
class AcceptingPhrases
{
public:
    struct Match
    {
        // Where the queue name ends in the line.
        qsizetype nameEnd = 0;
        bool accepting = true;
    };

    AcceptingPhrases() = default;

    // The phrases of the catalog libcups picks for the environment that lpstat
    // inherits from us; none when it speaks English or no catalog is installed.
    static AcceptingPhrases forEnvironment();
    // The phrases of one catalog's text (a gettext .po file as CUPS ships it).
    // Never fails: a catalog without usable translations gives no phrases.
    static AcceptingPhrases fromCatalog(QByteArrayView catalog);

    bool isEmpty() const { return m_phrases.isEmpty(); }
    // The phrase `line` is worded in, if any.
    std::optional<Match> match(QStringView line) const;

private:
    struct Phrase
    {
        // The text between the queue name and the date, and what follows the date.
        QString afterName;
        QString atEnd;
        bool accepting = true;
    };

    QList<Phrase> m_phrases;
};
