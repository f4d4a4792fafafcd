// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
pragma ComponentBehavior: Bound

import QtQuick
import Parvento.UI

// A list inside the window's one scrolling column. The item is as tall as all
// of its rows, so the column scrolls over it like over any other content; the
// list view inside is only as tall as the column's visible part and follows
// the scroll position, so only the rows near the visible part exist. To
// assistive technology it is a list of all of its rows (CountedList).
CountedList {
    id: lazyList

    required property Flickable flickable
    property alias model: view.model
    property alias delegate: view.delegate
    property alias spacing: view.spacing
    readonly property alias count: view.count

    rows: view.model
    rowView: view

    // How far a pane holding the list is shifted from its place in the
    // column to stay in view; the list follows the shift.
    property real carrierShift: 0
    // How much of the visible part's bottom something docked there covers.
    property real obscuredBottom: 0

    implicitHeight: count > 0 ? view.contentHeight : 0

    // Where this item starts in the column. The column moves it only when the
    // content above it changes height, and that changes the column's height,
    // or when its pane shifts.
    readonly property real topInColumn: {
        flickable.contentHeight;
        lazyList.y;
        carrierShift;
        return lazyList.mapToItem(flickable.contentItem, 0, 0).y;
    }

    function itemAtIndex(index: int): Item {
        return view.itemAtIndex(index);
    }

    // Keyboard focus. The list is one stop in the window's Tab order, however
    // many rows it holds: Tab enters it through `head`, Backtab through
    // `tail`, and a row hands Tab on past the list with leave(). Inside, the
    // rows call moveFocus() for the list keys. The rows themselves stay out of
    // the focus chain: the list creates them out of order as the column
    // scrolls.
    signal selectionExtended(Item row)

    // The row the keyboard left the list from, by the model's display role
    // (its identity as listed), so the list returns to it after reloads
    // and while its delegate has gone out of view.
    property var lastFocusedKey

    function focusRow(index: int, reason: int): Item {
        let row = view.itemAtIndex(index);
        if (!row) {
            // Far from view: scroll the column to about where the row lies,
            // which creates it.
            const estimate = topInColumn + index * lazyList.height / view.count;
            const maxY = Math.max(0, flickable.contentHeight - flickable.height);
            flickable.contentY = Math.min(maxY, Math.max(0, estimate - flickable.height / 2));
            view.forceLayout();
            row = view.itemAtIndex(index);
        }
        if (row)
            row.forceActiveFocus(reason);
        return row;
    }

    // The row it left from if still listed, else the first selected one,
    // else the first row.
    function enter(reason: int) {
        let index = -1;
        if (lastFocusedKey !== undefined) {
            const found = view.model.match(view.model.index(0, 0), Qt.DisplayRole, lastFocusedKey, 1, Qt.MatchExactly);
            index = found.length > 0 ? found[0].row : -1;
        }
        if (index < 0)
            index = view.model.firstSelectedRow();
        focusRow(Math.max(0, index), reason);
    }

    function leave(forward: bool) {
        const beyond = (forward ? tail : head).nextItemInFocusChain(forward);
        if (beyond)
            beyond.forceActiveFocus(forward ? Qt.TabFocusReason : Qt.BacktabFocusReason);
    }

    function rowFocused(row: Item) {
        lastFocusedKey = view.model.data(view.model.index(row.index, 0));
        reveal(row);
    }

    // The row `steps` rows away from `from` (clamped to the list) gets the
    // focus; with `extend` its job joins the selection. A focus reason the
    // controls count as the keyboard's, so the row shows its focus.
    function moveFocus(from: int, steps: int, extend: bool) {
        const row = focusRow(Math.max(0, Math.min(view.count - 1, from + steps)), Qt.TabFocusReason);
        if (row && extend)
            selectionExtended(row);
    }

    // How many rows like `row` fit in the visible part of the column.
    function rowsPerPage(row: Item): int {
        return Math.max(1, Math.floor((flickable.height - obscuredBottom) / (row.height + view.spacing)));
    }

    // Scrolls the column just far enough to show `row` in full, clear of
    // what is docked at the bottom. A shifting pane moves with the column
    // for a while, so the row may need a second look after the first scroll.
    function reveal(row: Item) {
        const margin = 12;
        const maxY = Math.max(0, flickable.contentHeight - flickable.height);
        for (let attempt = 0; attempt < 4; ++attempt) {
            const top = row.mapToItem(flickable.contentItem, 0, 0).y;
            const bottom = top + row.height;
            const before = flickable.contentY;
            if (top < flickable.contentY)
                flickable.contentY = Math.max(0, top - margin);
            else if (bottom > flickable.contentY + flickable.height - obscuredBottom)
                flickable.contentY = Math.min(maxY, bottom - flickable.height + obscuredBottom + margin);
            if (flickable.contentY === before)
                return;
        }
    }

    Item {
        id: head

        activeFocusOnTab: true
        onActiveFocusChanged: {
            // Not from inside the focus change that is still under way.
            if (activeFocus)
                Qt.callLater(lazyList.enter, Qt.TabFocusReason);
        }
    }

    ListView {
        id: view

        width: lazyList.width
        height: Math.min(lazyList.height, lazyList.flickable.height)
        y: Math.max(0, Math.min(lazyList.height - height, lazyList.flickable.contentY - lazyList.topInColumn))
        contentY: originY + y
        interactive: false
        // Rows just beyond the visible part are created at once (a cache
        // buffer would create them later), so keyboard focus can always step
        // onto the next row before it scrolls into view.
        displayMarginBeginning: 240
        displayMarginEnd: 240
        boundsBehavior: Flickable.StopAtBounds
        // No current row: the list would scroll itself to show it, and would
        // hand focus to a new current row when rows above it go away.
        currentIndex: -1
        highlightFollowsCurrentItem: false
        keyNavigationEnabled: false
        // Rows that scroll out of sight are refilled for the rows scrolling
        // in, rather than destroyed and created anew.
        reuseItems: true
    }

    Item {
        id: tail

        activeFocusOnTab: true
        onActiveFocusChanged: {
            if (activeFocus)
                Qt.callLater(lazyList.enter, Qt.BacktabFocusReason);
        }
    }
}
