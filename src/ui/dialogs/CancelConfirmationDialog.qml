// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls
import Parvento.Model
import Parvento.UI

// Asks before the selected jobs are cancelled, in the move confirmation's
// form: the count and what cancelling means stay in view, the list of jobs
// scrolls between them. It follows isShowingCancelConfirmation as that one
// follows its flag. Keeping the jobs is the default, and Escape keeps them too;
// only "Aufträge abbrechen" cancels them.
AlertDialog {
    id: dialog

    required property PrintJobsViewModel viewModel
    readonly property bool requested: viewModel.isShowingCancelConfirmation
    readonly property alias confirmButton: confirmButton
    readonly property alias keepButton: keepButton

    title: WindowTexts.cancelConfirmationTitle
    closePolicy: Popup.CloseOnEscape | Popup.CloseOnPressOutside

    onRequestedChanged: requested ? open() : close()
    onAboutToShow: {
        const confirmation = viewModel.cancelConfirmation;
        lead = confirmation.headline;
        message = confirmation.lines.join("\n");
        notes = confirmation.notes;
    }
    onOpened: keepButton.forceActiveFocus(Qt.OtherFocusReason)
    // Skipped when the model has already taken the flag back itself, as the
    // cancel does when it starts.
    onClosed: {
        if (viewModel.isShowingCancelConfirmation)
            viewModel.isShowingCancelConfirmation = false;
    }
    onAccepted: viewModel.cancelSelectedJobs()

    PushButton {
        id: confirmButton

        text: WindowTexts.confirmCancel
        destructive: true
        onClicked: dialog.accept()
    }

    PushButton {
        id: keepButton

        text: WindowTexts.keepJobs
        onClicked: dialog.reject()
    }
}
