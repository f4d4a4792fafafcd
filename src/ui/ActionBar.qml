import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Parvento.Model

// Whether the selection is complete, and the one button that asks for a move.
// The move itself only ever starts from the confirmation dialog.
Rectangle {
    id: actionBar

    required property PrintJobsViewModel viewModel
    readonly property alias moveButton: moveButton

    implicitHeight: row.implicitHeight + 2 * 18
    radius: 16
    color: Theme.tint(Theme.text, 0.045)

    RowLayout {
        id: row

        anchors.fill: parent
        anchors.margins: 18
        spacing: 14

        ColumnLayout {
            Layout.fillWidth: true
            spacing: 2

            StyledText {
                Layout.fillWidth: true
                text: actionBar.viewModel.canRequestMove ? "Bereit zur Sammelübergabe" : "Auswahl vervollständigen"
                font: Theme.headline
            }

            StyledText {
                Layout.fillWidth: true
                text: actionBar.viewModel.canRequestMove ? "%1 ausgewählte Aufträge werden erst nach Ihrer Bestätigung verschoben.".arg(actionBar.viewModel.selectedJobCount) : "Mindestens ein Auftrag und ein davon verschiedener Zieldrucker werden benötigt."
                font: Theme.subheadline
                color: Theme.secondaryText
                wrapMode: Text.Wrap
            }
        }

        Button {
            id: moveButton

            text: actionBar.viewModel.isMoving ? "Verschiebe …" : "Auswahl verschieben"
            enabled: actionBar.viewModel.canRequestMove
            font: Theme.headline
            leftPadding: 18
            rightPadding: 18
            topPadding: 11
            bottomPadding: 11
            onClicked: actionBar.viewModel.requestMoveConfirmation()

            EnterKeyClicks {
                button: moveButton
            }

            // Filled with the accent colour while it may be pressed, grey
            // otherwise.
            background: Rectangle {
                radius: 8
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
                }
            }
        }
    }
}
