// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Layouts

// One waiting job. A click toggles the job's selection; orange marks it
// selected.
SelectableRow {
    id: row

    required property string identifier
    required property string displayIdentifier
    required property string displayTitle
    required property string sourcePrinterName
    required property string owner
    required property bool hasOwner
    required property string accessibleDescription
    readonly property color detailColor: isSelected ? Theme.tint(Theme.white, 0.82) : Theme.secondaryText

    tint: Theme.orange
    symbol: "doc.text"
    tileSize: 38
    tileRadius: 10
    tileOpacity: 0.13
    alignment: Qt.AlignTop
    textSpacing: 5
    textsHeight: titleLine.implicitHeight + identifierLine.implicitHeight
                 + Math.max(printerIcon.implicitHeight, printerLine.implicitHeight) + 2 * textSpacing
                 + (hasOwner ? textSpacing + ownerLine.implicitHeight : 0)

    Accessible.name: accessibleDescription
    Accessible.description: isSelected ? "Hebt die Auswahl dieses Auftrags auf" : "Fügt diesen Auftrag zur Auswahl hinzu"

    StyledText {
        id: titleLine

        Layout.fillWidth: true
        text: row.displayTitle
        font: Theme.headline
        maximumLineCount: 1
    }

    StyledText {
        id: identifierLine

        Layout.fillWidth: true
        text: row.displayIdentifier
        font: Theme.captionMono
        color: row.detailColor
    }

    RowLayout {
        Layout.fillWidth: true
        spacing: 4

        Symbol {
            id: printerIcon

            name: "printer"
            textStyle: Theme.subheadlineMedium
        }

        StyledText {
            id: printerLine

            Layout.fillWidth: true
            text: row.sourcePrinterName
            font: Theme.subheadlineMedium
            maximumLineCount: 1
        }
    }

    StyledText {
        id: ownerLine

        Layout.fillWidth: true
        visible: row.hasOwner
        text: "Von " + row.owner
        font: Theme.caption
        color: row.detailColor
    }
}
