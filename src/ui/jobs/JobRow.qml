// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Layouts
import Parvento.Model
import Parvento.UI

// One waiting job. A click toggles the job's selection; orange marks it
// selected.
SelectableRow {
    id: row

    // Which job the row shows, to find the row of a job by.
    required property string identifier
    required property string displayIdentifier
    required property string displayTitle
    required property string sourcePrinterName
    required property string accessibleDescription
    required property string stateText
    required property bool isBeingPrinted
    required property string facts
    readonly property color detailColor: isSelected ? Theme.selectedDetailText : Theme.secondaryText

    face.tint: Theme.orange
    face.symbol: "doc.text"
    face.tileSize: 38
    face.tileRadius: 10
    face.alignment: Qt.AlignTop
    face.textSpacing: Theme.rowLineSpacing

    Accessible.selectable: true
    Accessible.selected: isSelected
    Accessible.name: accessibleDescription
    Accessible.description: isSelected ? WindowTexts.deselectJobDescription : WindowTexts.selectJobDescription

    StyledText {
        id: titleLine

        Layout.fillWidth: true
        text: row.displayTitle
        font: Theme.headline
        maximumLineCount: 1
    }

    // The identifier, and on the same line what the scheduler says the job
    // is doing, so the row grows no taller for it.
    RowLayout {
        Layout.fillWidth: true
        spacing: 6

        StyledText {
            id: identifierLine

            Layout.fillWidth: true
            text: row.displayIdentifier
            font: Theme.captionMono
            color: row.detailColor
        }

        Rectangle {
            visible: row.stateText !== ""
            Layout.maximumWidth: row.width * 0.55
            implicitWidth: stateLine.implicitWidth + 12
            implicitHeight: stateLine.implicitHeight + 2
            radius: height / 2
            color: row.isSelected ? Theme.selectedStateBadgeFill
                                  : Theme.tint(row.isBeingPrinted ? Theme.cyan : Theme.text, Theme.stateBadgeOpacity)

            StyledText {
                id: stateLine

                anchors.fill: parent
                anchors.leftMargin: 6
                anchors.rightMargin: 6
                verticalAlignment: Text.AlignVCenter
                text: row.stateText
                font: Theme.captionSemibold
                color: row.isSelected ? Theme.white : row.isBeingPrinted ? Theme.cyan : Theme.secondaryText
            }
        }
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
        id: factsLine

        Layout.fillWidth: true
        visible: row.facts !== ""
        text: row.facts
        font: Theme.caption
        color: row.detailColor
    }
}
