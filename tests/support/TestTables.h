// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

// Rows that several data-driven tests share. Header only.

#include <QByteArray>
#include <QString>
#include <QTest>

namespace TestTables {

// Declares a table's columns in one go: addColumns<bool, QString>("choose", "busy").
template<typename... Types, typename... Names> void addColumns(const Names &...names)
{
    static_assert(sizeof...(Types) == sizeof...(Names), "one name per column type");
    (QTest::addColumn<Types>(names), ...);
}

// Two rows over one bool column, named for the false and the true case.
inline void addBoolRows(const char *column, const char *whenFalse, const char *whenTrue)
{
    QTest::addColumn<bool>(column);
    QTest::newRow(whenFalse) << false;
    QTest::newRow(whenTrue) << true;
}

// The pool sizes the workflows must finish with (column "threads"): one
// thread, and the two our machines have.
inline void addPoolSizeRows()
{
    QTest::addColumn<int>("threads");
    QTest::newRow("pool of 1") << 1;
    QTest::newRow("pool of 2") << 2;
}

// A table of one bool column and two rows: `whenFalse`, then `whenTrue`.
inline void addBothWays(const char *column, const char *whenFalse, const char *whenTrue)
{
    QTest::addColumn<bool>(column);
    QTest::newRow(whenFalse) << false;
    QTest::newRow(whenTrue) << true;
}

// How the private scheduler refuses someone who may not touch a job (columns
// "locale", "peerCredentials", "toolError", "fromTerminal"): "Forbidden" when
// it knows who asks, "Unauthorized" when it wants a login; what lpmove prints,
// in English and German. The rows switch peer credentials off from the
// third on, so a test using them restarts the scheduler as they say.
inline void addRefusalRows()
{
    using namespace Qt::StringLiterals;
    addColumns<QByteArray, bool, QString, bool>("locale", "peerCredentials", "toolError", "fromTerminal");
    QTest::newRow("forbidden, English") << QByteArray("C") << true << u"lpmove: Forbidden"_s << false;
    QTest::newRow("forbidden, German") << QByteArray("de_DE.UTF-8") << true << u"lpmove: Verboten"_s << false;
    QTest::newRow("unauthorized, English") << QByteArray("C") << false << u"lpmove: Unauthorized"_s << false;
    QTest::newRow("unauthorized, German")
        << QByteArray("de_DE.UTF-8") << false << u"lpmove: Nicht berechtigt"_s << false;
    // libcups would ask for a password on the terminal the program was
    // started from, with echo off, and wait there until the time limit.
    QTest::newRow("unauthorized, started from a terminal")
        << QByteArray("C") << false << u"lpmove: Unauthorized"_s << true;
}

} // namespace TestTables
