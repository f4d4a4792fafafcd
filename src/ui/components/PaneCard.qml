// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
pragma ComponentBehavior: Bound

import QtQuick
import QtQuick.Layouts
import Parvento.UI

// The card that holds one pane: the window's background on a rounded
// rectangle, outlined in the pane's tint, with a faint shadow below.
Item {
    id: card

    required property color tint
    required property real outlineOpacity
    default property alias content: column.data

    implicitWidth: column.implicitWidth + 2 * padding
    implicitHeight: column.implicitHeight + 2 * padding

    readonly property real padding: Theme.cardPadding
    readonly property real radius: Theme.paneRadius

    // A blur of 8 points, 3 points down, black at 3.5 %, drawn as rings of
    // falling strength: cheaper than an effect pass and the same to the eye.
    Repeater {
        model: 4
        Rectangle {
            id: ring

            required property int index
            readonly property real spread: (index + 1) * 2

            x: -ring.spread
            y: 3 - ring.spread
            width: card.width + 2 * ring.spread
            height: card.height + 2 * ring.spread
            radius: card.radius + ring.spread
            color: Theme.shadowRing
        }
    }

    Rectangle {
        anchors.fill: parent
        radius: card.radius
        color: Theme.window
        border.width: Theme.hairline
        border.color: Theme.tint(card.tint, card.outlineOpacity)
    }

    ColumnLayout {
        id: column
        anchors.fill: parent
        anchors.margins: card.padding
        spacing: 14
    }
}
