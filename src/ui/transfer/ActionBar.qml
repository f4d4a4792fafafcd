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
                text: actionBar.moving ? actionBar.viewModel.moveProgress.text : actionBar.viewModel.canRequestMove ? "Bereit zur Sammelübergabe" : "Auswahl vervollständigen"
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
                text: actionBar.viewModel.canRequestMove ? "%1 ausgewählte Aufträge werden erst nach Ihrer Bestätigung verschoben.".arg(actionBar.viewModel.selectedJobCount) : "Mindestens ein Auftrag und ein davon verschiedener Zieldrucker werden benötigt."
                font: Theme.subheadline
                color: Theme.secondaryText
                wrapMode: Text.Wrap
            }
        }

        PushButton {
            id: moveButton

            text: actionBar.viewModel.isMoving ? "Verschiebe …" : "Auswahl verschieben"
            enabled: actionBar.viewModel.canRequestMove
            font: Theme.headline
            leftPadding: 18
            rightPadding: 18
            topPadding: 11
            bottomPadding: 11
            onClicked: actionBar.viewModel.requestMoveConfirmation()

            // Filled with the accent colour while it may be pressed, grey
            // otherwise.
            background: Rectangle {
                radius: Theme.buttonRadius
                color: !moveButton.enabled ? Theme.tint(Theme.text, 0.10) : moveButton.down ? Qt.darker(Theme.accent, 1.15) : Theme.accent
                border.width: moveButton.visualFocus ? 2 : 0
                border.color: Theme.text
            }

            contentItem: RowLayout {
                spacing: 6

                Symbol {
                    name: "arrow.right.circle.fill"
                    textStyle: Theme.headline
                    color: moveButton.enabled ? Theme.onAccent : Theme.tertiaryText
                }

                StyledText {
                    text: moveButton.text
                    font: moveButton.font
                    color: moveButton.enabled ? Theme.onAccent : Theme.tertiaryText
                    // The button itself is named by it.
                    Accessible.ignored: true
                }
            }
        }
    }
}
