// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

// Rows that several data-driven tests share. Header only.

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

} // namespace TestTables
