// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Parvento.Model
import Parvento.UI

// Whether the selection is complete, and the one button that asks for a move.
// The move itself only ever starts from the confirmation dialog.
Card {
    id: actionBar

    required property SelectionControl selection
    required property MoveControl move
    required property CountedWork work
    readonly property alias moveButton: moveButton
    readonly property alias progressBar: progressBar
    // A move, or a hold, release or cancel, runs and reports its progress.
    readonly property bool moving: work.isWorking && work.progress.total > 0
    // How far the bar is drawn above its place in the column, docked at the
    // bottom edge of the visible part while that place lies below it.
    property real shift: 0
    readonly property bool docked: shift < 0
    // Docked, the bar keeps closer to the edge than the column's margin, to
    // leave more room for the rows above it.
    readonly property real dockedGap: Theme.windowMargin / 2

    contentHeight: row.implicitHeight
    transform: Translate {
        y: actionBar.shift
    }

    // Docked, the bar sits on a strip of the window's background that hides
    // the rows scrolling beneath it, edged by a line like the status bar's.
    Rectangle {
        parent: actionBar
        z: -1
        visible: actionBar.docked
        x: -Theme.windowMargin
        y: -Theme.regionSpacing / 2
        width: actionBar.width + 2 * Theme.windowMargin
        height: actionBar.height + Theme.regionSpacing / 2 + actionBar.dockedGap
        color: Theme.window

        Divider {
            width: parent.width
        }
    }

    RowLayout {
        id: row

        anchors.fill: parent
        spacing: 14

        ColumnLayout {
            Layout.fillWidth: true
            spacing: 2

            StyledText {
                Layout.fillWidth: true
                text: actionBar.moving ? actionBar.work.progress.text : actionBar.move.canRequest ? WindowTexts.readyToMove : WindowTexts.selectionIncomplete
                font: Theme.headline
            }

            // How many jobs of the running move are handled, in place of
            // the sentence.
            ProgressBar {
                id: progressBar

                Layout.fillWidth: true
                Layout.topMargin: 6
                visible: actionBar.moving
                from: 0
                to: Math.max(1, actionBar.work.progress.total)
                value: actionBar.work.progress.done
                Accessible.name: actionBar.work.progress.text
            }

            StyledText {
                Layout.fillWidth: true
                visible: !actionBar.moving
                text: actionBar.move.canRequest ? WindowTexts.moveHint(actionBar.selection.selectedJobCount) : WindowTexts.moveRequirement
                font: Theme.subheadline
                color: Theme.secondaryText
                wrapMode: Text.Wrap
            }
        }

        PushButton {
            id: moveButton

            text: actionBar.work.isMoving ? WindowTexts.movingButton : WindowTexts.moveButton
            symbol: "arrow.right.circle.fill"
            primary: true
            enabled: actionBar.move.canRequest
            font: Theme.headline
            onClicked: actionBar.move.requestConfirmation()
        }
    }
}
