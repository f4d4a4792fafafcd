import QtQuick
import QtQuick.Controls
import Parvento.Model

// Asks before every move. It follows isShowingMoveConfirmation: opens when the
// move button sets it, and however it closes (either button, Escape, a click
// outside) it sets it back. Only "Verschieben" starts the move.
AlertDialog {
    id: dialog

    required property PrintJobsViewModel viewModel
    readonly property bool requested: viewModel.isShowingMoveConfirmation
    readonly property alias confirmButton: confirmButton
    readonly property alias cancelButton: cancelButton

    title: "Ausgewählte Parvento?"
    closePolicy: Popup.CloseOnEscape | Popup.CloseOnPressOutside

    onRequestedChanged: requested ? open() : close()
    // The message as it stands when the dialog comes up.
    onAboutToShow: message = viewModel.confirmationMessage
    onOpened: cancelButton.forceActiveFocus(Qt.OtherFocusReason)
    // Skipped when the model has already taken the flag back itself, as the
    // move does when it starts.
    onClosed: {
        if (viewModel.isShowingMoveConfirmation)
            viewModel.isShowingMoveConfirmation = false;
    }
    onAccepted: viewModel.startMove()

    Button {
        id: confirmButton

        text: "Verschieben"
        palette.buttonText: Theme.destructive
        onClicked: dialog.accept()

        EnterKeyClicks {
            button: confirmButton
        }
    }

    Button {
        id: cancelButton

        text: "Abbrechen"
        onClicked: dialog.reject()

        EnterKeyClicks {
            button: cancelButton
        }
    }
}
