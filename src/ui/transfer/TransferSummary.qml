// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Layouts
import Parvento.Model
import Parvento.UI

// The banner above the panes: how to start while the selection is
// incomplete, the planned move once jobs and a destination are chosen.
Card {
    id: summary

    required property SelectionControl selection
    readonly property bool ready: selection.selectedJobCount > 0 && selection.hasSelectedDestination

    contentHeight: ready ? readyRow.implicitHeight : idleRow.implicitHeight
    color: ready ? Theme.readyCardFill : Theme.cardFill

    RowLayout {
        id: readyRow

        anchors.fill: parent
        visible: summary.ready
        spacing: 18

        TransferEndpoint {
            Layout.preferredWidth: implicitWidth
            Layout.fillWidth: true
            Layout.maximumWidth: implicitWidth
            symbol: "printer"
            title: WindowTexts.sourceQueuesCaption
            name: summary.selection.sourcePrinterNamesText
            tint: Theme.orange
        }

        Symbol {
            name: "arrow.right.circle.fill"
            fixedSize: 30
            color: Theme.accent
            Accessible.ignored: false
            Accessible.role: Accessible.Graphic
            Accessible.name: WindowTexts.movesTo
        }

        TransferEndpoint {
            Layout.preferredWidth: implicitWidth
            Layout.fillWidth: true
            Layout.maximumWidth: implicitWidth
            symbol: "printer"
            title: WindowTexts.destinationCaption
            name: summary.selection.selectedDestinationName
            tint: Theme.cyan
        }

        Item {
            Layout.fillWidth: true
            Layout.minimumWidth: 12
        }

        ColumnLayout {
            spacing: 3

            StyledText {
                Layout.alignment: Qt.AlignRight
                text: WindowTexts.selectedJobsCaption(summary.selection.selectedJobCount)
                font: Theme.caption2Bold
                color: Theme.secondaryText
            }

            StyledText {
                Layout.alignment: Qt.AlignRight
                text: summary.selection.selectedJobCount === 1 ? summary.selection.singleSelectedJobIdentifier : WindowTexts.selectedJobsCount(summary.selection.selectedJobCount)
                font: Theme.calloutMonoSemibold
            }
        }
    }

    RowLayout {
        id: idleRow

        anchors.fill: parent
        visible: !summary.ready
        spacing: 14

        SymbolTile {
            size: 38
            color: Theme.idleTransferTileFill
            symbol: "arrow.left.arrow.right"
            textStyle: Theme.title2
            symbolColor: Theme.accent
        }

        ColumnLayout {
            Layout.fillWidth: true
            spacing: 2

            StyledText {
                Layout.fillWidth: true
                text: WindowTexts.transferIdleTitle
                font: Theme.headline
            }

            StyledText {
                Layout.fillWidth: true
                text: WindowTexts.transferIdleHint
                font: Theme.subheadline
                color: Theme.secondaryText
                wrapMode: Text.Wrap
            }
        }
    }
}
