// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls
import Parvento.Model
import Parvento.UI

// Asks a Question before the window acts: a move, taking one back, a cancel.
// The count and the notes stay in view, the list of jobs scrolls between
// them. It follows the question: opens when the question opens, and however
// it closes while the question is still open (the safe button, Escape, a
// click outside) it dismisses it. The safe button is the default; only the
// confirm button accepts.
AlertDialog {
    id: dialog

    required property Question question
    property alias confirmText: confirmButton.text
    property alias keepText: keepButton.text
    readonly property alias confirmButton: confirmButton
    readonly property alias keepButton: keepButton

    closePolicy: Popup.CloseOnEscape | Popup.CloseOnPressOutside

    Connections {
        target: dialog.question

        function onIsOpenChanged() {
            dialog.question.isOpen ? dialog.open() : dialog.close();
        }
    }
    // The texts as they stand when the dialog comes up.
    onAboutToShow: {
        lead = question.headline;
        lines = question.lines;
        notes = question.notes;
    }
    onOpened: keepButton.forceActiveFocus(Qt.OtherFocusReason)
    // Skipped when the question has already closed itself, as it does when
    // what was asked about starts.
    onClosed: question.dismiss()
    onAccepted: question.accept()

    PushButton {
        id: confirmButton

        destructive: true
        onClicked: dialog.accept()
    }

    PushButton {
        id: keepButton

        onClicked: dialog.reject()
    }
}
