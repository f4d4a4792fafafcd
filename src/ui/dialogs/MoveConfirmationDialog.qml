// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls
import Parvento.Model
import Parvento.UI

// Asks before every move. It follows isShowingMoveConfirmation: opens when the
// move button sets it, and however it closes (either button, Escape, a click
// outside) it sets it back. Only "Verschieben" starts the move. However many
// jobs are selected, the count, the destination, the warning and both buttons
// stay in view; the list of jobs scrolls between them.
AlertDialog {
    id: dialog

    required property PrintJobsViewModel viewModel
    readonly property bool requested: viewModel.isShowingMoveConfirmation
    readonly property alias confirmButton: confirmButton
    readonly property alias cancelButton: cancelButton

    title: WindowTexts.confirmationTitle
    closePolicy: Popup.CloseOnEscape | Popup.CloseOnPressOutside

    onRequestedChanged: requested ? open() : close()
    // The texts as they stand when the dialog comes up.
    onAboutToShow: {
        const confirmation = viewModel.confirmation;
        lead = confirmation.headline;
        message = confirmation.lines.join("\n");
        notes = confirmation.notes;
    }
    onOpened: cancelButton.forceActiveFocus(Qt.OtherFocusReason)
    // Skipped when the model has already taken the flag back itself, as the
    // move does when it starts.
    onClosed: {
        if (viewModel.isShowingMoveConfirmation)
            viewModel.isShowingMoveConfirmation = false;
    }
    onAccepted: viewModel.moveSelectedJobs()

    PushButton {
        id: confirmButton

        text: WindowTexts.confirmMove
        destructive: true
        onClicked: dialog.accept()
    }

    PushButton {
        id: cancelButton

        text: WindowTexts.cancelButton
        onClicked: dialog.reject()
    }
}
