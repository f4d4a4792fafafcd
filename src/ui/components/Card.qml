// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
import QtQuick
import Parvento.UI

// A card of the main column that is not a pane: a rounded, faintly tinted
// area whose content keeps the card padding from its edges.
Rectangle {
    id: card

    // The height of what the card shows now; the card adds its padding.
    required property real contentHeight
    default property alias content: frame.data

    implicitHeight: contentHeight + 2 * Theme.cardPadding
    radius: Theme.cardRadius
    color: Theme.cardFill

    Item {
        id: frame

        anchors.fill: parent
        anchors.margins: Theme.cardPadding
    }
}
