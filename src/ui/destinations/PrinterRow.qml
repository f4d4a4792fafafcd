// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Layouts
import Parvento.UI

// One queue that may receive the selected jobs. A click chooses the queue as
// destination; cyan marks the choice.
SelectableRow {
    id: row

    required property string name
    required property string stateText

    tint: Theme.cyan
    symbol: "printer"
    tileSize: 43
    tileRadius: 11
    tileOpacity: 0.14
    textSpacing: 3

    Accessible.name: stateText !== "" ? "Drucker " + name + ", " + stateText : "Drucker " + name
    Accessible.description: isSelected ? "Als Ziel ausgewählt" : "Wählt diesen Drucker als Ziel"

    StyledText {
        id: nameLine

        Layout.fillWidth: true
        text: row.name
        font: Theme.headline
        maximumLineCount: 1
    }

    StyledText {
        id: stateLine

        Layout.fillWidth: true
        text: row.isSelected ? "Als Ziel ausgewählt" : "Als Ziel auswählen"
        font: Theme.subheadline
        color: row.isSelected ? Theme.tint(Theme.white, 0.84) : Theme.secondaryText
    }

    // Stopped or rejecting: the jobs would wait there.
    StyledText {
        id: conditionLine

        Layout.fillWidth: true
        visible: row.stateText !== ""
        text: row.stateText
        font: Theme.subheadlineMedium
        color: row.isSelected ? Theme.white : Theme.destructive
        maximumLineCount: 2
        wrapMode: Text.Wrap
    }
}
