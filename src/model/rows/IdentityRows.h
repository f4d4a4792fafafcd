// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>
#include <QList>
#include <QString>

#include <algorithm>

// The rows of a list model that keeps a row for as long as its item is listed.
// assign() turns the current rows into the new ones by identity: an item that
// stays keeps its row and at most gets dataChanged, a vanished item loses
// exactly its row, a new item gets a new row. Views therefore keep delegates,
// focus and scroll position across reloads.
//
// `Traits` provides `key(row)` (the identity; an item listed twice is matched
// occurrence by occurrence) and `sameContent(lhs, rhs)` (which decides
// dataChanged). `Notifier` forwards to the model's protected begin/end calls:
// beginRemoveRows(first, last), endRemoveRows(), beginInsertRows(first, last),
// endInsertRows(), dataChanged(first, last).
//
// Cost is linear in the number of rows for the usual reload, where the items
// that stay keep their relative order; a reordering costs n log n more and the
// reordered rows are removed and inserted again. Removals and insertions run in
// one sweep each, so scattered changes never shift the whole array per range:
// during a sweep the rows live in two arrays, the finished front and the rest
// of the old rows, and at() looks through both.
template<typename Row, typename Traits> class IdentityRows
{
public:
    qsizetype size() const { return m_front.size() + m_back.size() - m_backStart; }

    const Row &at(qsizetype row) const
    {
        return row < m_front.size() ? m_front.at(row) : m_back.at(m_backStart + row - m_front.size());
    }

    template<typename Notifier> void assign(QList<Row> next, Notifier &notifier)
    {
        const qsizetype oldCount = m_front.size();
        const qsizetype newCount = next.size();

        // Fast path: the same items in the same order, perhaps with new content.
        if (oldCount == newCount && sameKeys(next)) {
            replaceChangedRows(next, notifier);
            return;
        }

        // Match every old row to a new row of the same key, occurrence by
        // occurrence. `nextOfKey` chains the new rows of one key in order.
        QList<qsizetype> nextOfKey(newCount, -1);
        QHash<QString, qsizetype> firstOfKey;
        firstOfKey.reserve(newCount);
        for (qsizetype j = newCount - 1; j >= 0; --j) {
            auto it = firstOfKey.find(Traits::key(next.at(j)));
            if (it == firstOfKey.end()) {
                firstOfKey.insert(Traits::key(next.at(j)), j);
            } else {
                nextOfKey[j] = *it;
                *it = j;
            }
        }
        QList<qsizetype> target(oldCount, -1);
        for (qsizetype i = 0; i < oldCount; ++i) {
            auto it = firstOfKey.find(Traits::key(m_front.at(i)));
            if (it != firstOfKey.end() && *it >= 0) {
                target[i] = *it;
                *it = nextOfKey[*it];
            }
        }
        keepLongestOrderedRun(target);

        // Content changes of rows that stay, announced where they are now.
        qsizetype changedFirst = -1;
        for (qsizetype i = 0; i <= oldCount; ++i) {
            const bool changed
                = i < oldCount && target[i] >= 0 && !Traits::sameContent(m_front.at(i), next.at(target[i]));
            if (changed) {
                m_front[i] = next.at(target[i]);
                if (changedFirst < 0)
                    changedFirst = i;
            } else if (changedFirst >= 0) {
                notifier.dataChanged(changedFirst, i - 1);
                changedFirst = -1;
            }
        }

        // Removal sweep.
        startSweep(oldCount);
        for (qsizetype i = 0; i < oldCount;) {
            if (target[i] >= 0) {
                m_front.append(std::move(m_back[m_backStart++]));
                ++i;
                continue;
            }
            qsizetype end = i;
            while (end < oldCount && target[end] < 0)
                ++end;
            const qsizetype at = m_front.size();
            notifier.beginRemoveRows(at, at + (end - i) - 1);
            m_backStart += end - i;
            notifier.endRemoveRows();
            i = end;
        }
        finishSweep();

        // Insertion sweep: the rows left are exactly the kept ones, in the order
        // of `next`.
        QList<bool> kept(newCount, false);
        for (qsizetype i = 0; i < oldCount; ++i) {
            if (target[i] >= 0)
                kept[target[i]] = true;
        }
        startSweep(newCount);
        for (qsizetype j = 0; j < newCount;) {
            if (kept[j]) {
                m_front.append(std::move(m_back[m_backStart++]));
                ++j;
                continue;
            }
            qsizetype end = j;
            while (end < newCount && !kept[end])
                ++end;
            const qsizetype at = m_front.size();
            notifier.beginInsertRows(at, at + (end - j) - 1);
            for (qsizetype k = j; k < end; ++k)
                m_front.append(std::move(next[k]));
            notifier.endInsertRows();
            j = end;
        }
        finishSweep();
    }

    // Takes `rows` position by position, matching nothing: row i now shows
    // the i-th item. Views keep the delegates in sight and refill them, which
    // is far cheaper than a reset (new delegates) or assign() (one change per
    // gap) when thousands of scattered items come and go at once. A view gets
    // at most two changes: the rows beyond the new count go (or come), and
    // the rows that now show something else change as one run.
    template<typename Notifier> void refill(QList<Row> rows, Notifier &notifier)
    {
        Q_ASSERT(m_back.isEmpty());
        const qsizetype oldCount = m_front.size();
        const qsizetype newCount = rows.size();
        qsizetype changedFirst = -1;
        qsizetype changedLast = -1;
        for (qsizetype i = 0; i < std::min(oldCount, newCount); ++i) {
            const Row &now = m_front.at(i);
            const Row &next = rows.at(i);
            if (Traits::key(now) == Traits::key(next) && Traits::sameContent(now, next))
                continue;
            if (changedFirst < 0)
                changedFirst = i;
            changedLast = i;
        }
        // Each step leaves the rows as the view has been told they are.
        if (newCount < oldCount) {
            notifier.beginRemoveRows(newCount, oldCount - 1);
            m_front.remove(newCount, oldCount - newCount);
            notifier.endRemoveRows();
        }
        if (changedFirst >= 0) {
            if (newCount <= oldCount) {
                m_front = std::move(rows);
            } else {
                for (qsizetype i = changedFirst; i <= changedLast; ++i)
                    m_front[i] = rows.at(i);
            }
            notifier.dataChanged(changedFirst, changedLast);
        }
        if (newCount > oldCount) {
            notifier.beginInsertRows(oldCount, newCount - 1);
            // The rows up to oldCount are the same by now.
            m_front = std::move(rows);
            notifier.endInsertRows();
        }
    }

    // Lets `change(index, row)` alter rows in place; it returns whether it
    // changed the row, and the changed rows are announced in runs.
    template<typename Change, typename Notifier> void changeEach(Change change, Notifier &notifier)
    {
        qsizetype changedFirst = -1;
        for (qsizetype i = 0; i <= m_front.size(); ++i) {
            if (i < m_front.size() && change(i, m_front[i])) {
                if (changedFirst < 0)
                    changedFirst = i;
            } else if (changedFirst >= 0) {
                notifier.dataChanged(changedFirst, i - 1);
                changedFirst = -1;
            }
        }
    }

private:
    bool sameKeys(const QList<Row> &next) const
    {
        for (qsizetype i = 0; i < next.size(); ++i) {
            if (Traits::key(m_front.at(i)) != Traits::key(next.at(i)))
                return false;
        }
        return true;
    }

    template<typename Notifier> void replaceChangedRows(QList<Row> &next, Notifier &notifier)
    {
        qsizetype changedFirst = -1;
        for (qsizetype i = 0; i <= next.size(); ++i) {
            const bool changed = i < next.size() && !Traits::sameContent(m_front.at(i), next.at(i));
            if (changed) {
                m_front[i] = std::move(next[i]);
                if (changedFirst < 0)
                    changedFirst = i;
            } else if (changedFirst >= 0) {
                notifier.dataChanged(changedFirst, i - 1);
                changedFirst = -1;
            }
        }
    }

    // Unmatches every old row outside one longest run whose targets ascend:
    // those rows would have to move, and are removed and inserted instead.
    static void keepLongestOrderedRun(QList<qsizetype> &target)
    {
        qsizetype last = -1;
        bool ordered = true;
        for (qsizetype t : std::as_const(target)) {
            if (t < 0)
                continue;
            if (t < last) {
                ordered = false;
                break;
            }
            last = t;
        }
        if (ordered)
            return;

        // Patience sorting over the matched rows.
        QList<qsizetype> tails; // old index ending the best run of each length
        QList<qsizetype> previous(target.size(), -1);
        for (qsizetype i = 0; i < target.size(); ++i) {
            if (target[i] < 0)
                continue;
            const auto pos
                = std::lower_bound(tails.begin(), tails.end(), target[i],
                                   [&target](qsizetype index, qsizetype value) { return target[index] < value; });
            const qsizetype length = pos - tails.begin();
            previous[i] = length > 0 ? tails[length - 1] : -1;
            if (pos == tails.end())
                tails.append(i);
            else
                *pos = i;
        }
        QList<bool> inRun(target.size(), false);
        for (qsizetype i = tails.isEmpty() ? -1 : tails.last(); i >= 0; i = previous[i])
            inRun[i] = true;
        for (qsizetype i = 0; i < target.size(); ++i) {
            if (!inRun[i])
                target[i] = -1;
        }
    }

    void startSweep(qsizetype capacity)
    {
        m_back = std::move(m_front);
        m_front = QList<Row>();
        m_front.reserve(capacity);
        m_backStart = 0;
    }

    void finishSweep()
    {
        // Any rows not yet taken over stay at the end.
        for (qsizetype i = m_backStart; i < m_back.size(); ++i)
            m_front.append(std::move(m_back[i]));
        m_back.clear();
        m_backStart = 0;
    }

    // Between sweeps all rows are in m_front.
    QList<Row> m_front;
    QList<Row> m_back;
    qsizetype m_backStart = 0;
};
