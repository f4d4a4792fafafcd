// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Layouts
import Parvento.Model
import Parvento.UI

// One queue that may receive the selected jobs. A click chooses the queue as
// destination; cyan marks the choice.
ChoiceRow {
    id: row

    required property string name
    required property string accessibleName
    required property string stateText
    // Where it stands, what it is, how many jobs wait in it.
    required property string facts

    face.tint: Theme.cyan
    face.symbol: "printer"
    face.tileSize: 43
    face.tileRadius: 11
    face.textSpacing: Theme.rowLineSpacing

    Accessible.name: accessibleName
    Accessible.description: isSelected ? WindowTexts.chosenDestination : WindowTexts.chooseDestinationDescription

    StyledText {
        id: nameLine

        Layout.fillWidth: true
        text: row.name
        font: Theme.headline
        maximumLineCount: 1
    }

    StyledText {
        id: factsLine

        Layout.fillWidth: true
        visible: row.facts !== ""
        text: row.facts
        font: Theme.caption
        color: row.isSelected ? Theme.selectedDetailText : Theme.secondaryText
        maximumLineCount: 1
    }

    StyledText {
        id: stateLine

        Layout.fillWidth: true
        text: row.isSelected ? WindowTexts.chosenDestination : WindowTexts.chooseDestination
        font: Theme.subheadline
        color: row.isSelected ? Theme.selectedDetailText : Theme.secondaryText
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
