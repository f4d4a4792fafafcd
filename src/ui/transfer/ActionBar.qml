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

    required property PrintJobsViewModel viewModel
    readonly property alias moveButton: moveButton
    readonly property alias progressBar: progressBar
    // A move runs and reports its progress.
    readonly property bool moving: viewModel.isMoving && viewModel.moveProgress.total > 0

    contentHeight: row.implicitHeight

    RowLayout {
        id: row

        anchors.fill: parent
        spacing: 14

        ColumnLayout {
            Layout.fillWidth: true
            spacing: 2

            StyledText {
                Layout.fillWidth: true
                text: actionBar.moving ? actionBar.viewModel.moveProgress.text : actionBar.viewModel.canRequestMove ? WindowTexts.readyToMove : WindowTexts.selectionIncomplete
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
                to: Math.max(1, actionBar.viewModel.moveProgress.total)
                value: actionBar.viewModel.moveProgress.done
                Accessible.name: actionBar.viewModel.moveProgress.text
            }

            StyledText {
                Layout.fillWidth: true
                visible: !actionBar.moving
                text: actionBar.viewModel.canRequestMove ? WindowTexts.moveHint(actionBar.viewModel.selectedJobCount) : WindowTexts.moveRequirement
                font: Theme.subheadline
                color: Theme.secondaryText
                wrapMode: Text.Wrap
            }
        }

        PushButton {
            id: moveButton

            text: actionBar.viewModel.isMoving ? WindowTexts.movingButton : WindowTexts.moveButton
            symbol: "arrow.right.circle.fill"
            primary: true
            enabled: actionBar.viewModel.canRequestMove
            font: Theme.headline
            onClicked: actionBar.viewModel.requestMoveConfirmation()
        }
    }
}
