pragma ComponentBehavior: Bound

import QtQuick

// A list inside the window's one scrolling column. The item is as tall as all
// of its rows, so the column scrolls over it like over any other content; the
// list view inside is only as tall as the column's visible part and follows
// the scroll position, so only the rows near the visible part exist.
Item {
    id: lazyList

    required property Flickable flickable
    property alias model: view.model
    property alias delegate: view.delegate
    property alias spacing: view.spacing
    readonly property alias count: view.count
    // Rows created beyond the visible part, so that keyboard focus can step
    // onto the next row before it scrolls into view.
    property alias cacheBuffer: view.cacheBuffer

    implicitHeight: count > 0 ? view.contentHeight : 0

    // Where this item starts in the column. The column moves it only when the
    // content above it changes height, and that changes the column's height.
    readonly property real topInColumn: {
        flickable.contentHeight;
        lazyList.y;
        return lazyList.mapToItem(flickable.contentItem, 0, 0).y;
    }

    function itemAtIndex(index: int): Item {
        return view.itemAtIndex(index);
    }

    // Scrolls the column just far enough to show `row` in full.
    function reveal(row: Item) {
        const margin = 12;
        const top = row.mapToItem(flickable.contentItem, 0, 0).y;
        const bottom = top + row.height;
        const maxY = Math.max(0, flickable.contentHeight - flickable.height);
        if (top < flickable.contentY)
            flickable.contentY = Math.max(0, top - margin);
        else if (bottom > flickable.contentY + flickable.height)
            flickable.contentY = Math.min(maxY, bottom - flickable.height + margin);
    }

    ListView {
        id: view

        width: lazyList.width
        height: Math.min(lazyList.height, lazyList.flickable.height)
        y: Math.max(0, Math.min(lazyList.height - height, lazyList.flickable.contentY - lazyList.topInColumn))
        contentY: originY + y
        interactive: false
        cacheBuffer: 240
        boundsBehavior: Flickable.StopAtBounds
        highlightFollowsCurrentItem: false
        keyNavigationEnabled: false
    }
}
